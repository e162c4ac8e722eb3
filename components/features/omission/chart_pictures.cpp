#include "components/features/omission/chart_pictures.h"

#include "components/features/omission/png_file.h"
#include "components/features/omission/trend_view.h"

#include "storage/safe_file.h"
#include "storage/save_report.h"

#include <QImage>

#include <atomic>
#include <thread>

namespace vesk::omission {

namespace {

std::string WritePicture(const TrendView& chart, const RowSpan& span, bool last, const std::string& path)
{
    const QImage image = chart.RenderRows(span.first, span.end, last);
    std::string error;
    if (image.isNull() || image.format() != QImage::Format_RGB32) {
        error.append(path).append("：内存不足，无法生成图片");
        return error;
    }
    const FileResult outcome = WriteFileSafely(path, [&image](std::FILE* file) {
        return WritePng(file, image.width(), image.height(), [&image](int y) { return image.constScanLine(y); });
    });
    return outcome.ok ? std::string() : SaveFailedText(path, outcome);
}

} // namespace

PicturesWritten WriteChartPictures(const TrendView& chart, const std::string& path)
{
    PicturesWritten written;
    const std::vector<RowSpan> spans = chart.PictureSpans();
    if (spans.empty()) {
        written.error.append(path).append("：图表太宽或太高，无法生成图片");
        return written;
    }
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < spans.size(); ++i)
        paths.push_back(spans.size() == 1 ? path : NumberedPicturePath(path, static_cast<int>(i) + 1));
    std::vector<std::string> errors(spans.size());
    // Two pictures at a time: painting and encoding each is independent, and
    // a picture held whole in memory is large.
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t i; (i = next++) < spans.size();)
            errors[i] = WritePicture(chart, spans[i], i + 1 == spans.size(), paths[i]);
    };
    if (spans.size() > 1) {
        std::thread helper(work);
        work();
        helper.join();
    } else {
        work();
    }
    for (std::size_t i = 0; i < spans.size(); ++i) {
        if (!errors[i].empty()) {
            written.error = errors[i];
            break;
        }
        written.paths.push_back(paths[i]);
    }
    return written;
}

} // namespace vesk::omission
