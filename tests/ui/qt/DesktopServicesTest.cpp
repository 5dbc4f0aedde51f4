#include "LMenuBarLock.h"
#include "QtHostTest.h"

#include <QClipboard>
#include <QMainWindow>
#include <QMenuBar>

TEST_F(QtHostTest, TextGoesOnTheClipboard) {
    host.SetClipboardText("d41d8cd98f00b204e9800998ecf8427e");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "d41d8cd98f00b204e9800998ecf8427e");
}

TEST_F(QtHostTest, TheMenuBarIsOffWhileABoxOrChooserIsUp) {
    QMainWindow main;
    main.menuBar()->addMenu("File");
    {
        LMenuBarLock outer;
        LMenuBarLock inner;
        EXPECT_FALSE(main.menuBar()->isEnabled());
    }
    EXPECT_TRUE(main.menuBar()->isEnabled());
}
