#pragma once
// OptionsDialog (template 7126, 选项设置): edits the result page's options
// (keep result numbers with saved conditions, the match character and
// whether it is active) and opens the column arrangement. The match
// character may be neither empty nor a digit, even while it is inactive.
// A changed column arrangement is reported by ColumnsChanged() however the
// dialog ends: the arrangement is stored the moment the user confirms it.

#include "framework/gdi_objects.h"
#include "host/host_services.h"
#include "pages/options/result_options.h"
#include "skin/base_button.h"
#include "skin/base_check_box.h"
#include "skin/base_dialog.h"
#include "skin/base_edit.h"
#include "skin/base_group_box.h"

namespace vesk::options {

inline constexpr unsigned kOptionsTemplate = 7126;
inline constexpr unsigned kArrangeButton = 2015;
inline constexpr unsigned kKeepCheck = 8950;
inline constexpr unsigned kMatchCheck = 8952;
inline constexpr unsigned kMatchEdit = 9199;

DialogTemplate OptionsDialogTemplate();

class OptionsDialog : public CBaseDialog {
public:
    // host: for the arrangement component (borrowed).
    OptionsDialog(const ResultOptions& options, IHostObject* host, CWnd* parent = nullptr);

    // After IDOK: the edited options (bytes 3-6 as given).
    const ResultOptions& Options() const { return m_options; }
    bool ColumnsChanged() const { return m_columnsChanged; }

    // Runs the host's arrangement component for the shown and hidden columns.
    void ArrangeColumns();

    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    void UpdateMatchEdit();

    ResultOptions m_options;
    IHostObject* m_host;
    bool m_columnsChanged = false;
    CBitmap m_blueSkin;
    CBitmap m_whiteSkin;
    CBitmap m_checkImage;
    CBaseButton m_arrange;
    CBaseButton m_ok;
    CBaseButton m_cancel;
    CBaseCheckBox m_keep;
    CBaseCheckBox m_match;
    CBaseEdit m_matchEdit;
    CBaseGroupBox m_frames[3];
};

} // namespace vesk::options
