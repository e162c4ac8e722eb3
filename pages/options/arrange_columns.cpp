#include "pages/options/arrange_columns.h"

#include "skin/column_arrangement.h"

namespace vesk::options {

bool RunColumnArrangement(IHostObject& host, WindowHandle owner)
{
    return vesk::RunColumnArrangement(
        host, owner,
        {"缩水器选项", "显示的缩水器表头（可以拖动改变位置，也可以拖动到隐藏区域以不显示该表头）",
         "隐藏的缩水器表头，可以拖动到显示区域以显示该表头", 4204, 4205});
}

} // namespace vesk::options
