#include <gtest/gtest.h>

#include "support/MessageBoxRecorder.h"

TEST(MessageBoxSeam, RecorderAnswersInOrderThenFallsBack) {
    test::MessageBoxRecorder boxes(IDCANCEL);
    boxes.QueueAnswer(IDRETRY);
    EXPECT_EQ(IDRETRY, fw::ShowMessageBox(nullptr, "first", "Error", MB_RETRYCANCEL));
    EXPECT_EQ(IDCANCEL, fw::ShowMessageBox(nullptr, "second", "Error", MB_RETRYCANCEL));
    ASSERT_EQ(2u, boxes.Count());
    EXPECT_EQ("first", boxes.Boxes()[0].text);
    EXPECT_EQ("Error", boxes.Boxes()[1].caption);
    EXPECT_EQ(static_cast<UINT>(MB_RETRYCANCEL), boxes.Boxes()[1].type);
}
