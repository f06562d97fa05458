// No GDI object and no window outlives an editor, a painting or a row. GetGuiResources is a
// stub under Wine, so the tests compare the highest handle slot that a batch of probe objects
// gets before and after the work: it climbs with every object the work leaked.
#include "GridFixture.h"

#include "controls/ipaddr/IPAddrCtl.h"

using namespace gridtest;

namespace {

constexpr int kCycles = 1000;

class LeakTest : public GridTest {
  protected:
    void SetUp() override {
        GridTest::SetUp();
        CreateGrid(400, HeightShowing(8));
    }

    // One row of every editable kind, every other one with the grid's shared font and the
    // rest with fonts of their own, so both editor font paths run.
    std::vector<int> AddEditableRows() {
        struct Kind {
            int type;
            BOOL editable;
            const char* text;
        };
        const Kind kinds[] = {{PIT_TEXT, FALSE, "a"},
                              {PIT_INT, FALSE, "1"},
                              {PIT_LONG, FALSE, "2"},
                              {PIT_FILE, FALSE, "f"},
                              {PIT_COMBO, FALSE, "a"},
                              {PIT_COMBO, TRUE, "typed"},
                              {PIT_IPADDRESS, FALSE, "10.0.0.1"}};
        std::vector<int> ids;
        for (const Kind& kind : kinds) {
            m_grid.SetSharedFont(ids.size() % 2 ? &m_sharedFont : nullptr);
            PropertyItemInfo info;
            info.m_caption = "row";
            info.m_type = kind.type;
            info.m_editable = kind.editable;
            info.m_text = kind.text;
            info.m_choices = {"a", "b"};
            ids.push_back(m_grid.AddItem(info));
        }
        return ids;
    }

    struct Slots {
        unsigned gdi;
        unsigned window;
    };
    Slots Probe() { return {test::ProbeGdiSlot(), test::ProbeWindowSlot()}; }

    void ExpectNoLeak(const Slots& before, const char* work) {
        const Slots after = Probe();
        EXPECT_EQ(before.gdi, after.gdi) << work << " left GDI objects behind";
        EXPECT_EQ(before.window, after.window) << work << " left windows behind";
    }

    fw::CFont m_sharedFont;
};

} // namespace

TEST_F(LeakTest, OpeningAndCommittingEveryEditorLeavesNothingBehind) {
    ASSERT_TRUE(m_sharedFont.CreatePointFont(80, "Arial"));
    const std::vector<int> ids = AddEditableRows();
    auto cycle = [&] {
        Redraw();
        for (int id : ids) {
            ClickValue(id);
            ASSERT_NE(nullptr, Editor()) << "row " << id;
            ClickCaption(id);
        }
    };
    cycle(); // classes registered and caches filled once
    const Slots before = Probe();
    for (int i = 0; i < kCycles; ++i)
        cycle();
    ExpectNoLeak(before, "editors");
    EXPECT_EQ(nullptr, Editor());
}

TEST_F(LeakTest, AddingPaintingAndRemovingRowsLeavesNothingBehind) {
    ASSERT_TRUE(m_sharedFont.CreatePointFont(80, "Arial"));
    auto cycle = [&] {
        AddEditableRows();
        Redraw(); // rows without a shared font make a font per painting
        ClickValue(1);
        m_grid.RemoveItem(2);
        m_grid.RemoveAllItems(); // deletes the row with the open editor
    };
    cycle();
    const Slots before = Probe();
    for (int i = 0; i < kCycles; ++i)
        cycle();
    ExpectNoLeak(before, "rows");
    EXPECT_EQ(nullptr, Editor());
}

TEST_F(LeakTest, DestroyingTheGridWithAnOpenEditorLeavesNothingBehind) {
    auto cycle = [&] {
        PropertyGrid grid;
        ASSERT_TRUE(
            grid.Create(WS_CHILD | WS_VISIBLE, RECT{0, 0, 300, 100}, m_host.GetSafeHwnd(), 5));
        grid.AddItem("address", PIT_IPADDRESS, 0);
        grid.Redraw();
        RECT row{};
        grid.GetItemRect(1, row);
        grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(row.right - 40, row.top + 5));
        ASSERT_NE(nullptr, grid.GetDlgItem(IDC_GRID_EDITOR));
    };
    cycle();
    const Slots before = Probe();
    for (int i = 0; i < kCycles / 10; ++i)
        cycle();
    ExpectNoLeak(before, "grids");
}
