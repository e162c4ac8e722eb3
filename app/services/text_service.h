#pragma once
// Service 4: the text put in front of default file names ("3D数据", ...).

#include "host/host_services.h"

namespace vesk::app {

class TextService final : public ITextService {
public:
    const char* GetFileNamePrefix() override { return "3D"; }
};

} // namespace vesk::app
