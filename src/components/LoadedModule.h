#pragma once

#include <QLibrary>

#include <memory>

// An object made by a module beside the executable, which holds libraries
// the start of the program must not wait for. The module is loaded, and its
// factory asked for the object, on first use and only once; the module then
// stays loaded, as the object's code lives in it.
template<typename Interface>
class LoadedModule
{
public:
    // The module's file name without its suffix, and the name of the
    // function it exports to make its object.
    LoadedModule(const QString &modulePath, const char *factoryName)
        : m_module(modulePath)
        , m_factoryName(factoryName)
    {
    }

    // Null when the module can't be loaded.
    Interface *get()
    {
        if (!m_tried) {
            m_tried = true;
            using Factory = Interface *(*)();
            if (auto make = reinterpret_cast<Factory>(m_module.resolve(m_factoryName)))
                m_object.reset(make());
        }
        return m_object.get();
    }

    QString errorString() const { return m_module.errorString(); }

private:
    QLibrary m_module;
    const char *m_factoryName;
    bool m_tried = false;
    std::unique_ptr<Interface> m_object;
};
