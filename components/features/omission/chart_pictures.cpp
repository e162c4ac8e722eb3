#include "components/features/omission/chart_pictures.h"

#include "components/features/omission/trend_view.h"

#include "pages/files/file_access.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

#include <atomic>
#include <thread>

namespace vesk::omission {

namespace {

// PNG at zlib's fastest level: the chart is mostly flat colour, which that
// level already packs well, and a whole history is over a hundred million pixels.
constexpr int kPngQuality = 80;

std::string WritePicture(const TrendView& chart, const RowSpan& span, bool last, const std::string& path)
{
    const QImage image = chart.RenderRows(span.first, span.end, last);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setQuality(kPngQuality);
    std::string error;
    if (image.isNull() || !writer.write(image)) {
        error.append(path).append("：无法生成图片");
        return error;
    }
    const files::WriteOutcome outcome = files::WriteFileReplacing(path, bytes.toStdString());
    if (!outcome.ok)
        error.append(path).append("：").append(outcome.error);
    return error;
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
