#pragma once
// 导出图片 of the trend chart: the whole window of draws with the header on
// top, as one picture when it fits the tallest picture allowed, else as
// several numbered pictures ("分布图-1.png", ...), each with the header and
// the last with the summary rows. Pictures are painted and encoded two at a
// time, each written whole beside its path and renamed in.

#include <string>
#include <vector>

namespace vesk::omission {

class TrendView;

struct PicturesWritten {
    std::vector<std::string> paths; // every picture written, in order of the draws
    std::string error;              // empty on success; names the picture that failed
};

PicturesWritten WriteChartPictures(const TrendView& chart, const std::string& path);

} // namespace vesk::omission
