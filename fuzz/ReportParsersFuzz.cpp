// The weather report parsers on any reply: cleaning, splitting, the shape check, the
// time stamp, wrapping, the fields, the temperature and the summary, as a good
// download would hand them over.
#include "ReportFields.h"
#include "ReportText.h"
#include "WeatherThread.h"

#include <cstddef>
#include <cstdint>

using namespace orbelune;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TDownloadResult reply;
    reply.Error = TDownloadError::None;
    reply.Body = QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    const QString text = CleanReportText(reply.Body);
    const QStringList lines = SplitReportLines(text);
    LooksLikeReport(lines);
    TDateTime time = 0.0;
    ParseReportTime(lines, time);
    ReportLocalTimeText(lines);
    WrapReportLines(DropLastTwoLines(lines));
    GetReportField(2, QStringLiteral("MPH"), text, false);
    GetReportTemperature(text);
    BuildWeatherSummary(text, 5, 'C');

    TWeatherRequest request;
    request.TemperatureUnits = 'F';
    ProcessReport(reply, true, request, 46000.25);
    return 0;
}
