#include "editor/VSummaryPage.h"

#include <optional>
#include <vector>

#include "config/ConfigStore.h"
#include "resources/resource.h"
#include "sheet/VPropertySheet.h"

namespace {
// The grid's control id on the page.
constexpr UINT kGridId = 1001;

struct RowSpec {
    const char* caption;
    PropertyItemType type;
    std::vector<std::string> choices;
};

// The display names of the eight network sets, in value order.
std::vector<std::string> NetworkSetNames() {
    std::vector<std::string> names;
    for (NetworkSet value = 0; value < kNetworkSetCount; ++value)
        names.emplace_back(NetworkSetName(value));
    return names;
}

// One row per record field, in record order.
const std::array<RowSpec, CVSummaryPage::kFieldCount>& Rows() {
    static const std::array<RowSpec, CVSummaryPage::kFieldCount> rows{{
        {"Server Name", PIT_TEXT, {}},
        {"Domain Name", PIT_TEXT, {}},
        {"IP Address", PIT_IPADDRESS, {}},
        {"Subnet Mask", PIT_IPADDRESS, {}},
        {"Enable DHCP", PIT_COMBO, {"yes", "no"}},
        {"Copier Type", PIT_COMBO, {"Xerox 5750", "Xerox 5790", "Xerox 5799"}},
        {"WINS Server Address", PIT_IPADDRESS, {}},
        {"Gateway Address", PIT_IPADDRESS, {}},
        {"Separator Page", PIT_COMBO, {"false", "true"}},
        {"Default Page", PIT_COMBO, {"letter", "a4"}},
        {"Force Page", PIT_COMBO, {"english", "metric", "off"}},
        {"Fshift", PIT_LONG, {}},
        {"Sshift", PIT_LONG, {}},
        {"Toner Limit Startpoint", PIT_LONG, {}},
        {"Toner Limit Maximum", PIT_LONG, {}},
        {"Print Queue Name", PIT_TEXT, {}},
        {"Print Queue Networks", PIT_COMBO, NetworkSetNames()},
        {"Print Queue Novell Server", PIT_TEXT, {}},
        {"Print Queue Novell Queue", PIT_TEXT, {}},
        {"Print Queue Novell PrintServer", PIT_TEXT, {}},
        {"Hold Queue Name", PIT_TEXT, {}},
        {"Hold Queue Networks", PIT_COMBO, NetworkSetNames()},
        {"Hold Queue Novell Server", PIT_TEXT, {}},
        {"Hold Queue Novell Queue", PIT_TEXT, {}},
        {"Hold Queue Novell PrintServer", PIT_TEXT, {}},
        {"Zone Name", PIT_TEXT, {}},
        {"Domain\\Workgroup Name", PIT_TEXT, {}},
    }};
    return rows;
}

// The set whose display name is exactly the text; none for any other text.
std::optional<NetworkSet> NetworkSetFromName(const std::string& name) {
    for (NetworkSet value = 0; value < kNetworkSetCount; ++value)
        if (name == NetworkSetName(value))
            return value;
    return std::nullopt;
}

// What every row starts from; the row types used here read none of the fields that stay.
PropertyItemInfo BlankRowInfo() {
    PropertyItemInfo info;
    info.m_type = PIT_TEXT;
    info.m_openFile = TRUE;
    info.m_fontValue = DefaultPropertyFont();
    return info;
}

CVSummaryPage::FieldRef Text(std::string& field) {
    return {CVSummaryPage::FieldRef::Text, &field, nullptr};
}
CVSummaryPage::FieldRef Number(int& field) {
    return {CVSummaryPage::FieldRef::Number, nullptr, &field};
}
CVSummaryPage::FieldRef Networks(NetworkSet& field) {
    return {CVSummaryPage::FieldRef::Networks, nullptr, &field};
}

// The record's fields in record order, each as its row edits it.
std::array<CVSummaryPage::FieldRef, CVSummaryPage::kFieldCount> BindFields(ServerConfig& config) {
    return {{
        Text(config.m_server_name),
        Text(config.m_domain_name),
        Text(config.m_ip_adress),
        Text(config.m_subnet_mask),
        Text(config.m_enable_dhcp),
        Text(config.m_copier_type),
        Text(config.m_SrvD_win_server),
        Text(config.m_SrvD_gateway),
        Text(config.m_SrvD_separator_page),
        Text(config.m_SrvD_default_page),
        Text(config.m_SrvD_force_page),
        Number(config.m_SrvD_f_shift),
        Number(config.m_SrvD_s_shift),
        Number(config.m_SrvD_tl_start),
        Number(config.m_SrvD_tl_end),
        Text(config.m_PQ_name),
        Networks(config.m_PQ_network_type),
        Text(config.m_PQ_Novell_server),
        Text(config.m_PQ_Novell_queue),
        Text(config.m_PQ_Novell_pserver),
        Text(config.m_HQ_name),
        Networks(config.m_HQ_network_type),
        Text(config.m_HQ_Novell_server),
        Text(config.m_HQ_Novell_queue),
        Text(config.m_HQ_Novell_pserver),
        Text(config.m_Zone_name),
        Text(config.m_Workgroup_name),
    }};
}
} // namespace

CVSummaryPage::CVSummaryPage(ServerConfig& config)
    : CVPropertyPage(IDD_SUMMARY), m_config(config), m_fieldPtrs(BindFields(config)) {}

CVSummaryPage::~CVSummaryPage() = default;

void CVSummaryPage::DoDataExchange(fw::CDataExchange* pDX) {
    CVPropertyPage::DoDataExchange(pDX);
    if (!m_listFrame.m_hWnd)
        m_listFrame.SubclassDlgItem(IDC_GRID_FRAME, *this);
}

BOOL CVSummaryPage::OnInitDialog() {
    CVPropertyPage::OnInitDialog();
    RECT frame = m_listFrame.GetWindowRect();
    MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&frame), 2);
    m_list.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, frame, m_hWnd, kGridId, nullptr);
    ShowWindow(m_list.m_hWnd, SW_SHOWNORMAL);
    return TRUE;
}

BOOL CVSummaryPage::OnSetActive() {
    AddItemsToList();
    return CVPropertyPage::OnSetActive();
}

BOOL CVSummaryPage::OnWizardFinish() {
    return OnSave() ? TRUE : FALSE;
}

void CVSummaryPage::StoreValues() {
    GetItemsFromList();
}

BOOL CVSummaryPage::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) != IDC_SAVE)
        return CVPropertyPage::OnCommand(wParam, lParam);
    OnSave();
    return TRUE;
}

void CVSummaryPage::ShowField(const FieldRef& field, PropertyItemInfo& info) {
    switch (field.kind) {
    case FieldRef::Text:
        info.m_text = *field.text;
        break;
    case FieldRef::Number:
        info.m_long = *field.number;
        break;
    case FieldRef::Networks:
        info.m_text = NetworkSetName(*field.number);
        break;
    }
}

void CVSummaryPage::StoreField(const FieldRef& field, const PropertyGridItem& row) {
    switch (field.kind) {
    case FieldRef::Text:
        *field.text = row.GetText();
        break;
    case FieldRef::Number:
        *field.number = static_cast<int>(row.GetLong());
        break;
    case FieldRef::Networks:
        // A text that names no set leaves the field as it was.
        if (const auto value = NetworkSetFromName(row.GetText()))
            *field.number = *value;
        break;
    }
}

void CVSummaryPage::AddItemsToList() {
    PropertyItemInfo info = BlankRowInfo();
    m_list.SetSharedFont(m_pageFont.Hold(reinterpret_cast<HFONT>(SendMessage(WM_GETFONT))));
    m_list.RemoveAllItems();
    for (size_t i = 0; i < m_fieldPtrs.size(); ++i) {
        const RowSpec& row = Rows()[i];
        info.m_caption = row.caption;
        info.m_type = row.type;
        ShowField(m_fieldPtrs[i], info);
        if (row.type == PIT_COMBO)
            info.m_choices = row.choices;
        m_rowIds[i] = m_list.AddItem(info);
    }
}

BOOL CVSummaryPage::GetItemsFromList() {
    m_list.EndEditing();
    for (size_t i = 0; i < m_fieldPtrs.size(); ++i)
        if (const PropertyGridItem* row = m_list.FindItem(m_rowIds[i]))
            StoreField(m_fieldPtrs[i], *row);
    return TRUE;
}

bool CVSummaryPage::OnSave() {
    GetItemsFromList();
    const bool saved = SaveConfiguration(m_config);
    if (CVPropertySheet* sheet = GetVSheet(); saved && sheet)
        sheet->ReturnToWelcome();
    return saved;
}
