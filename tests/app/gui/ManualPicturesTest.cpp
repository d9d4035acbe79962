#include "ShellFixture.h"

#include "app/MainMenus.h"
#include "app/MainWindow.h"
#include "build/gui/CompileDialog.h"
#include "designer/ObjectsPalette.h"
#include "designer/ParametersPanel.h"
#include "document/DesignerDocument.h"
#include "project/MenuProject.h"
#include "project/ProjectStorage.h"
#include "script/gui/ScriptEditorWindow.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

class ManualPicturesTest : public ShellFixture
{
};

} // namespace

// The French windows the manual shows, saved by scripts/screenshot-manual.
TEST_F(ManualPicturesTest, DesignerWindows)
{
    const QString folder = qEnvironmentVariable("ZEP_SCREENSHOT_DIR");
    if (folder.isEmpty())
        GTEST_SKIP() << "ZEP_SCREENSHOT_DIR names the folder for the pictures";
    ASSERT_TRUE(start());
    ASSERT_TRUE(session().storage().open(testfiles::copyExample(m_user.filePath(u"demo"_s))));
    const auto save = [&folder](QWidget *window, const QString &name) {
        window->show();
        QApplication::processEvents();
        window->grab().save(QDir(folder).filePath(name + u".png"_s));
    };
    ItemSelection &selection = session().document().selection();
    const QList<ItemRef> entries = selection.entries();
    selection.choose(entries.at(0));
    save(session().parametersPanel(), u"panneau-projet"_s);
    selection.choose(entries.at(1));
    save(session().parametersPanel(), u"panneau-bouton"_s);
    selection.choose(entries.last());
    save(session().parametersPanel(), u"panneau-texte"_s);

    // The demo's second button runs a script.
    selection.choose(entries.at(2));
    session().parametersPanel()->findChild<QPushButton *>(u"ModifCode"_s)->click();
    session().scriptEditor()->resize(720, 360);
    save(session().scriptEditor(), u"editeur-vbs"_s);
    session().scriptEditor()->hide();

    save(session().palette(), u"palette"_s);
    whileOpen<CompileDialog>(session().mainWindow()->menus().compileAutorun,
                             [&save](CompileDialog &dialog) { save(&dialog, u"compilation"_s); });
}
