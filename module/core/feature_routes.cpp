#include "module/core/feature_routes.h"

namespace vesk {

namespace {

FeatureRoute Sibling(SiblingRow row, OpenForm form)
{
    return {FeatureKind::Sibling, row, form};
}

} // namespace

FeatureRoute RouteFeature(std::uint32_t code)
{
    switch (code) {
    case kWorkbenchCode: return {FeatureKind::Workbench};
    case kCalculatorCode: return {FeatureKind::Calculator};
    case 98:
    case 99: return {FeatureKind::UnderDevelopment};
    case 4:
    case 0x80000002: return Sibling(SiblingRow::Omission, OpenForm::InitializeThenOpenWithSubCode);
    case 5: return Sibling(SiblingRow::Straight, OpenForm::InitializeThenOpen);
    case 6: return Sibling(SiblingRow::Lookup, OpenForm::InitializeThenOpen);
    case 7: return Sibling(SiblingRow::Pattern, OpenForm::InitializeThenOpen);
    case 9: return Sibling(SiblingRow::StateTable, OpenForm::InitializeThenOpen);
    case kBankerCheckCode: return Sibling(SiblingRow::BankerCheck, OpenForm::InitializeThenOpen);
    case 97: return Sibling(SiblingRow::Formula, OpenForm::InitializeThenOpen);
    case 55: return Sibling(SiblingRow::PickHelper, OpenForm::OpenThenInitialize);
    default: break;
    }
    if (code >= 48 && code <= 54)
        return Sibling(SiblingRow::SmartPick, OpenForm::OpenThenInitialize);
    if (code >= 80 && code <= 84)
        return Sibling(SiblingRow::Toolkit, OpenForm::OpenThenInitialize);
    return {};
}

bool RefreshesSibling(std::uint32_t code)
{
    const FeatureRoute route = RouteFeature(code);
    return route.kind == FeatureKind::Sibling && route.row != SiblingRow::Toolkit;
}

} // namespace vesk
