#include "FakePrintOutput.h"

#include "PrintSystem.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>

namespace {

// A paint device that draws nothing and keeps every text drawn on it.
class TextRecorder : public QPaintDevice, private QPaintEngine
{
public:
    QStringList texts;

    QPaintEngine *paintEngine() const override { return const_cast<TextRecorder *>(this); }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return 2480;
        case PdmHeight:
            return 3508;
        case PdmWidthMM:
            return 210;
        case PdmHeightMM:
            return 297;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 300;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return INT_MAX;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
    void drawLines(const QLineF *, int) override {}
    void drawPoints(const QPointF *, int) override {}
    void drawRects(const QRectF *, int) override {}
    void drawPath(const QPainterPath &) override {}
    void drawTextItem(const QPointF &, const QTextItem &item) override { texts << item.text(); }
    Type type() const override { return User; }
};

} // namespace

FakePrintOutput::FakePrintOutput()
{
    PrintSystem::install(this);
}

FakePrintOutput::~FakePrintOutput()
{
    PrintSystem::install(nullptr);
}

QStringList FakePrintOutput::textsOf(const PrintJob &job)
{
    TextRecorder device;
    QPainter painter(&device);
    job.paint(painter);
    return device.texts;
}

bool FakePrintOutput::preview(const PrintJob &job, bool modal, QString &)
{
    outputs << Output{true, modal, textsOf(job), job.printCaption, job.saveCaption};
    return true;
}

PrintOutput::Result FakePrintOutput::print(const PrintJob &job, QString &errorText)
{
    outputs << Output{false, false, textsOf(job), job.printCaption, job.saveCaption};
    errorText = printError;
    return printResult;
}
