#include "app/WidgetScriptObject.h"
#include "app/core/PackScript.h"
#include "app/core/PhraseListObject.h"
#include "common/gui/ScreenMetrics.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Window
{
    Window()
    {
        window.setObjectName(u"Form9"_s);
        label->setObjectName(u"Label1"_s);
        field->setObjectName(u"Champ"_s);
        list->setObjectName(u"Choix"_s);
        list->addItems({u"un"_s, u"deux"_s});
        check->setObjectName(u"Case"_s);
        label->setGeometry(10, 20, 100, 30);
    }

    bool run(const QString &code)
    {
        PackScript::Objects objects{{u"Form9"_s, std::make_shared<WidgetScriptObject>(&window)},
                                    {u"Liste"_s, std::make_shared<PhraseListObject>(phrases)}};
        return PackScript::run(code, objects) == PackScript::Result::Ran;
    }

    QWidget window;
    QLabel *label = new QLabel(u"Titre"_s, &window);
    QLineEdit *field = new QLineEdit(&window);
    QComboBox *list = new QComboBox(&window);
    QCheckBox *check = new QCheckBox(u"Coché"_s, &window);
    QStringList phrases;
};

} // namespace

TEST(WidgetScriptObjectTest, PropertiesMapOntoTheWidgets)
{
    Window w;
    ASSERT_EQ(screenmetrics::twipsPerPixel().x, 15);
    ASSERT_TRUE(w.run(u"Form9.Caption = \"Window\" & Form9.Label1.Left\r\n"
                      "Form9.Label1.Caption = \"Title\"\r\n"
                      "Form9.Label1.Width = Form9.Label1.Width * 2\r\n"
                      "Form9.Label1.ForeColor = 255\r\n"
                      "Form9.Label1.FontBold = True\r\n"
                      "Form9.Label1.FontSize = 14\r\n"
                      "Form9.Champ.Text = \"abc\"\r\n"
                      "Form9.Champ.ToolTipText = \"Type here\"\r\n"
                      "Form9.Champ.Enabled = False\r\n"
                      "Form9.Case.Caption = \"Ticked\"\r\n"
                      "Form9.Case.Visible = False\r\n"_s));
    EXPECT_EQ(w.window.windowTitle(), u"Window150"_s);
    EXPECT_EQ(w.label->text(), u"Title"_s);
    EXPECT_EQ(w.label->width(), 200);
    EXPECT_EQ(w.label->palette().color(w.label->foregroundRole()), QColor(255, 0, 0));
    EXPECT_TRUE(w.label->font().bold());
    EXPECT_EQ(w.label->font().pointSizeF(), 14.0);
    EXPECT_EQ(w.field->text(), u"abc"_s);
    EXPECT_EQ(w.field->toolTip(), u"Type here"_s);
    EXPECT_FALSE(w.field->isEnabled());
    EXPECT_EQ(w.check->text(), u"Ticked"_s);
    EXPECT_TRUE(w.check->isHidden());
}

TEST(WidgetScriptObjectTest, ListsAndThePhraseListTakeListMembers)
{
    Window w;
    w.list->setCurrentIndex(1);
    ASSERT_TRUE(w.run(u"Form9.Choix.RemoveItem 0\r\nForm9.Choix.AddItem \"zero\", 0\r\nForm9.Choix.AddItem \"two\"\r\n"
                      "Liste.AddItem Form9.Choix.List(1) & Form9.Choix.ListCount\r\nListe.AddItem \"b\"\r\n"
                      "Liste.AddItem \"a\", 1\r\n"_s));
    EXPECT_EQ(w.list->count(), 3);
    EXPECT_EQ(w.list->itemText(0), u"zero"_s);
    EXPECT_EQ(w.list->itemText(2), u"two"_s);
    EXPECT_EQ(w.phrases, (QStringList{u"deux3"_s, u"a"_s, u"b"_s}));

    EXPECT_FALSE(w.run(u"Liste.Clear\r\nListe.AddItem \"kept\"\r\nListe.RemoveItem 5\r\nListe.AddItem \"never\"\r\n"_s));
    EXPECT_EQ(w.phrases, QStringList{u"kept"_s});
}

TEST(WidgetScriptObjectTest, PacksCannotReachOutsideTheirWindow)
{
    Window w;
    EXPECT_FALSE(w.run(u"Set f = CreateObject(\"Scripting.FileSystemObject\")\r\n"_s));
    EXPECT_FALSE(w.run(u"Form9.Inconnu.Caption = \"x\"\r\n"_s));
    EXPECT_FALSE(w.run(u"While True\r\nWend\r\n"_s));
    EXPECT_FALSE(w.run(u"Function F(n)\r\nF = F(n + 1)\r\nEnd Function\r\nx = F(0)\r\n"_s));
    EXPECT_TRUE(w.run(u"Form9.Caption = \"still usable\"\r\n"_s));
    EXPECT_EQ(w.window.windowTitle(), u"still usable"_s);
}
