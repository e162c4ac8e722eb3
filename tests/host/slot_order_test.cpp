// Every named operation of every slot-called interface sits at its slot.
#include "host/feature_module_interface.h"
#include "host/filter_interfaces.h"
#include "host/grid_interface.h"
#include "host/host_services.h"
#include "host/module_interface.h"
#include "host/other_interfaces.h"
#include "tests/support/slot_index.h"

#include <gtest/gtest.h>

using vesk::test::SlotIndex;

namespace vesk {
namespace {

TEST(SlotOrder, HostObjectAndServices)
{
    EXPECT_EQ(SlotIndex(&IHostObject::GetService), 2);
    EXPECT_EQ(SlotIndex(&IHostObject::LoadComponent), 3);
    EXPECT_EQ(SlotIndex(&IHostObject::ReleaseComponent), 4);
    EXPECT_EQ(SlotIndex(&IHostObject::GetFeatureWindow), 5);
    EXPECT_EQ(SlotIndex(&IHostObject::OpenFeatureByName), 6);

    EXPECT_EQ(SlotIndex(&IEnvironmentService::GetDirectory), 3);
    EXPECT_EQ(SlotIndex(&IEnvironmentService::WriteOption), 4);
    EXPECT_EQ(SlotIndex(&IEnvironmentService::ReadOption), 6);
    EXPECT_EQ(SlotIndex(&IEnvironmentService::GetHostVariant), 15);

    EXPECT_EQ(SlotIndex(&IGameService::GetAttributeContext), 1);
    EXPECT_EQ(SlotIndex(&IGameService::GetListKey), 4);
    EXPECT_EQ(SlotIndex(&IGameService::GetListSubKey), 10);
    EXPECT_EQ(SlotIndex(&IGameService::GetNumberLength), 11);
    EXPECT_EQ(SlotIndex(&IGameService::GetNEnd), 13);
    EXPECT_EQ(SlotIndex(&IGameService::GetAttribute), 18);

    EXPECT_EQ(SlotIndex(&IDigitPadService::Show), 3);
    EXPECT_EQ(SlotIndex(&IDigitPadService::AddKey), 8);
    EXPECT_EQ(SlotIndex(&IDigitPadService::IsActive), 9);
    EXPECT_EQ(SlotIndex(&IDigitPadService::Attach), 10);
    EXPECT_EQ(SlotIndex(&IDigitPadService::Arrange), 12);

    EXPECT_EQ(SlotIndex(&ITextService::GetFileNamePrefix), 13);

    EXPECT_EQ(SlotIndex(&IAnalysisService::GetAttribute), 3);
    EXPECT_EQ(SlotIndex(&IAnalysisService::SetCurrentNumber), 5);
    EXPECT_EQ(SlotIndex(&IAnalysisService::GetAttribute17), 17);
    EXPECT_EQ(SlotIndex(&IAnalysisService::GetAttribute18), 18);
    EXPECT_EQ(SlotIndex(&IAnalysisService::GetCurrentNumber), 26);
    EXPECT_EQ(SlotIndex(&IAnalysisService::GetAttribute28), 28);
    EXPECT_EQ(SlotIndex(&IAnalysisService::ToGroupCodes), 36);
}

TEST(SlotOrder, ModuleInterfaceHasEighteenSlots)
{
    EXPECT_EQ(SlotIndex(&IModule::QueryModule), 0);
    EXPECT_EQ(SlotIndex(&IModule::GetModuleName), 1);
    EXPECT_EQ(SlotIndex(&IModule::Initialize), 2);
    EXPECT_EQ(SlotIndex(&IModule::AttachTree), 3);
    EXPECT_EQ(SlotIndex(&IModule::OpenFeature), 4);
    EXPECT_EQ(SlotIndex(&IModule::CloseFeature), 5);
    EXPECT_EQ(SlotIndex(&IModule::Reserved6), 6);
    EXPECT_EQ(SlotIndex(&IModule::RefreshFeature), 7);
    EXPECT_EQ(SlotIndex(&IModule::Reserved8), 8);
    EXPECT_EQ(SlotIndex(&IModule::PreTranslateMessage), 9);
    EXPECT_EQ(SlotIndex(&IModule::ShowFeature), 10);
    EXPECT_EQ(SlotIndex(&IModule::GetCategoryCount), 11);
    EXPECT_EQ(SlotIndex(&IModule::GetCategory), 12);
    EXPECT_EQ(SlotIndex(&IModule::FindCatalogueItem), 13);
    EXPECT_EQ(SlotIndex(&IModule::GetEditorNumbers), 14);
    EXPECT_EQ(SlotIndex(&IModule::Destroy), 15);
    EXPECT_EQ(SlotIndex(&IModule::FillFeatureTree), 16);
    EXPECT_EQ(SlotIndex(&IModule::FillShortTree), 17);
}

TEST(SlotOrder, FeatureModule)
{
    EXPECT_EQ(SlotIndex(&IFeatureModule::Initialize), 2);
    EXPECT_EQ(SlotIndex(&IFeatureModule::Show), 3);
    EXPECT_EQ(SlotIndex(&IFeatureModule::GetWindow), 5);
    EXPECT_EQ(SlotIndex(&IFeatureModule::FilterMessage), 6);
    EXPECT_EQ(SlotIndex(&IFeatureModule::Open), 7);
    EXPECT_EQ(SlotIndex(&IFeatureModule::Refresh), 8);
}

TEST(SlotOrder, FilterComponent)
{
    EXPECT_EQ(SlotIndex(&IRyxFilter::Setup), 2);
    EXPECT_EQ(SlotIndex(&IRyxFilter::CombinedConditionCount), 13);
    EXPECT_EQ(SlotIndex(&IRyxFilter::FixedConditionCount), 18);
    EXPECT_EQ(SlotIndex(&IRyxFilter::CheckReady), 23);
    EXPECT_EQ(SlotIndex(&IRyxFilter::BeginRun), 25);
    EXPECT_EQ(SlotIndex(&IRyxFilter::Passes), 26);
    EXPECT_EQ(SlotIndex(&IRyxFilter::EndRun), 27);
    EXPECT_EQ(SlotIndex(&IRyxFilter::LoadState), 31);
    EXPECT_EQ(SlotIndex(&IRyxFilter::SaveState), 32);

    EXPECT_EQ(SlotIndex(&IRyxConWnd::Create), 2);
    EXPECT_EQ(SlotIndex(&IRyxConWnd::SetJudgedNumbers), 3);
    EXPECT_EQ(SlotIndex(&IRyxConWnd::Bind), 7);
    EXPECT_EQ(SlotIndex(&IRyxConWnd::Place), 8);
    EXPECT_EQ(SlotIndex(&IRyxConWnd::Resize), 9);
    EXPECT_EQ(SlotIndex(&IRyxConWnd::Commit), 10);
}

TEST(SlotOrder, GridPrintArrange)
{
    EXPECT_EQ(SlotIndex(&IRyxGridCtrl::Create), 2);
    EXPECT_EQ(SlotIndex(&IRyxGridCtrl::GetWindow), 4);
    EXPECT_EQ(SlotIndex(&IRyxGridCtrl::SetSize), 5);
    EXPECT_EQ(SlotIndex(&IRyxGridCtrl::GetRowCount), 6);
    EXPECT_EQ(SlotIndex(&IRyxGridCtrl::GetColumnCount), 7);
    EXPECT_EQ(SlotIndex(&IRyxGridCtrl::Move), 8);
    EXPECT_EQ(SlotIndex(&IRyxGridCtrl::SetColumnTitle), 10);
    EXPECT_EQ(SlotIndex(&IRyxGridCtrl::SetMetrics), 18);
    EXPECT_EQ(SlotIndex(&IRyxGridCtrl::SetColumnTag), 19);
    EXPECT_EQ(SlotIndex(&IRyxGridCtrl::GetColumnTag), 20);
    EXPECT_EQ(SlotIndex(&IRyxGridCtrl::SetColumnColor), 21);
    EXPECT_EQ(SlotIndex(&IRyxGridCtrl::SetMode), 29);
    EXPECT_EQ(SlotIndex(&IRyxGridCtrl::SetCellText), 33);
    EXPECT_EQ(SlotIndex(&IRyxGridCtrl::SetCellNumber), 34);
    EXPECT_EQ(SlotIndex(&IRyxGridCtrl::EnsureVisible), 41);
    EXPECT_EQ(SlotIndex(&IRyxGridCtrl::SelectRow), 43);
    EXPECT_EQ(SlotIndex(&IRyxGridCtrl::GetSelectedRow), 44);
    EXPECT_EQ(SlotIndex(&IRyxGridCtrl::GetSelectedCount), 45);
    EXPECT_EQ(SlotIndex(&IRyxGridCtrl::SetScrollPositions), 48);
    EXPECT_EQ(SlotIndex(&IRyxGridCtrl::GetScrollPosition), 49);
    EXPECT_EQ(SlotIndex(&IRyxGridCtrl::Redraw), 51);
    EXPECT_EQ(SlotIndex(&IRyxGridCtrl::Export), 52);

    EXPECT_EQ(SlotIndex(&IRyxPrint::Begin), 2);
    EXPECT_EQ(SlotIndex(&IRyxPrint::SetItem), 3);
    EXPECT_EQ(SlotIndex(&IRyxPrint::Print), 4);

    EXPECT_EQ(SlotIndex(&IArrange::Initialize), 2);
    EXPECT_EQ(SlotIndex(&IArrange::SetCaption), 7);
    EXPECT_EQ(SlotIndex(&IArrange::SetAreaCaptions), 8);
    EXPECT_EQ(SlotIndex(&IArrange::SetShownRecord), 12);
    EXPECT_EQ(SlotIndex(&IArrange::SetHiddenRecord), 13);
    EXPECT_EQ(SlotIndex(&IArrange::SetImages), 14);
    EXPECT_EQ(SlotIndex(&IArrange::Run), 15);
}

TEST(ModuleNameRecordTest, ComparesAllThirtyTwoBytes)
{
    static_assert(sizeof(ModuleNameRecord) == 32);
    ModuleNameRecord other = kModuleName;
    EXPECT_EQ(other, kModuleName);
    EXPECT_STREQ(kModuleName.fileName, "3DVesk.dll");
    EXPECT_STREQ(kModuleName.interfaceName, "I3DVesk");
    for (std::size_t i = 0; i < sizeof other; ++i) {
        ModuleNameRecord changed = kModuleName;
        reinterpret_cast<unsigned char*>(&changed)[i] ^= 0x01;
        EXPECT_FALSE(changed == kModuleName) << "byte " << i;
    }
}

} // namespace
} // namespace vesk
