#include "QtHostTest.h"

#include <QClipboard>

TEST_F(QtHostTest, TextGoesOnTheClipboard) {
    host.SetClipboardText("d41d8cd98f00b204e9800998ecf8427e");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "d41d8cd98f00b204e9800998ecf8427e");
}
