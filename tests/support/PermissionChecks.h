#pragma once

#include <linux/capability.h>

// While it lives, file permissions apply to the test even when it runs as
// root, who otherwise writes into read-only folders and files: the rights
// to pass over them are set aside, and given back at the end.
class PermissionChecks
{
public:
    PermissionChecks();
    ~PermissionChecks();

    PermissionChecks(const PermissionChecks &) = delete;
    PermissionChecks &operator=(const PermissionChecks &) = delete;

private:
    __user_cap_data_struct m_saved[_LINUX_CAPABILITY_U32S_3]{};
    bool m_changed = false;
};
