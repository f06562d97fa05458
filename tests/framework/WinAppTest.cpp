#include <gtest/gtest.h>

#include <stdexcept>

#include "framework/WinApp.h"

namespace {
// An application whose start-up answer the test chooses; it records whether its loop ran.
class ScriptedApp : public fw::CWinApp {
  public:
    enum class Start { Refuse, Accept, Throw };
    explicit ScriptedApp(Start start, bool ownLoop = true) : m_start(start), m_ownLoop(ownLoop) {}

    int initCalls = 0;
    bool loopRan = false;

    BOOL InitInstance() override {
        ++initCalls;
        if (m_start == Start::Throw)
            throw std::runtime_error("start-up failed");
        return m_start == Start::Accept;
    }
    int Run() override {
        loopRan = true;
        return m_ownLoop ? 7 : fw::CWinApp::Run();
    }

  private:
    Start m_start;
    bool m_ownLoop;
};
} // namespace

TEST(CWinApp, CurrentIsTheLiveApplicationObject) {
    EXPECT_EQ(nullptr, fw::CWinApp::Current());
    {
        ScriptedApp app(ScriptedApp::Start::Refuse);
        EXPECT_EQ(&app, fw::CWinApp::Current());
    }
    EXPECT_EQ(nullptr, fw::CWinApp::Current());
    EXPECT_EQ(1, fw::RunApplication()); // nothing to run
}

TEST(CWinApp, RunApplicationEndsWithoutALoopWhenInitInstanceRefuses) {
    ScriptedApp app(ScriptedApp::Start::Refuse);
    EXPECT_EQ(0, fw::RunApplication());
    EXPECT_EQ(1, app.initCalls);
    EXPECT_FALSE(app.loopRan);
}

TEST(CWinApp, RunApplicationRunsTheLoopAndReturnsItsExitCode) {
    ScriptedApp own(ScriptedApp::Start::Accept);
    EXPECT_EQ(7, fw::RunApplication());
    EXPECT_TRUE(own.loopRan);
}

TEST(CWinApp, TheFrameworkLoopEndsWithTheQuitCode) {
    ScriptedApp app(ScriptedApp::Start::Accept, false);
    PostQuitMessage(5);
    EXPECT_EQ(5, fw::RunApplication());
    EXPECT_TRUE(app.loopRan);
}

TEST(CWinApp, AnExceptionFromStartUpEndsTheProgramWithAFailureCode) {
    ScriptedApp app(ScriptedApp::Start::Throw);
    EXPECT_EQ(1, fw::RunApplication());
    EXPECT_FALSE(app.loopRan);
}
