#include "prompt/gui/QtPrompter.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct SeenBox
{
    QWidget *parent = nullptr;
    bool modal = false;
    QPoint centre;
};

// Looks at the next box once it is up, then closes it.
void closeNextBox(SeenBox &seen)
{
    QTimer::singleShot(0, [&seen] {
        auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = {box->parentWidget(), box->isModal(), box->frameGeometry().center()};
        box->reject();
    });
}

} // namespace

TEST(QtPrompter, BoxesAreModalToTheWindowThatAskedAndCentredOnIt)
{
    QWidget other;
    other.setGeometry(10, 10, 200, 150);
    other.show();
    QWidget asker;
    asker.setGeometry(300, 200, 500, 400);
    asker.show();
    asker.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&asker));

    QtPrompter prompter; // built before any window, as the programs build it
    ASSERT_EQ(QApplication::activeWindow(), &asker);
    SeenBox seen;
    closeNextBox(seen);
    prompter.message(u"Texte"_s, u"Titre"_s, MessageIcon::Information);
    EXPECT_EQ(seen.parent, &asker);
    EXPECT_TRUE(seen.modal);
    EXPECT_LE((seen.centre - asker.frameGeometry().center()).manhattanLength(), 4);

    seen = {};
    closeNextBox(seen);
    EXPECT_EQ(prompter.input({u"Question :"_s, u"Titre"_s, QString()}), QString());
    EXPECT_EQ(seen.parent, &asker);
    EXPECT_TRUE(seen.modal);
    EXPECT_LE((seen.centre - asker.frameGeometry().center()).manhattanLength(), 4);
}
