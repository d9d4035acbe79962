#include "ShellFixture.h"

#include "app/MainMenus.h"
#include "app/MainWindow.h"
#include "support/TestFiles.h"

#include <QDesktopServices>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

// Takes the place of the desktop's browser for file addresses.
class FakeOpener : public QObject
{
    Q_OBJECT
public:
    FakeOpener() { QDesktopServices::setUrlHandler(u"file"_s, this, "open"); }
    ~FakeOpener() override { QDesktopServices::unsetUrlHandler(u"file"_s); }
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened.append(url); }
};

class ShellManualTest : public ShellFixture
{
};

} // namespace

TEST_F(ShellManualTest, HelpManualOpensTheInstalledManualOnAFreshStore)
{
    testfiles::writeBytes(programFile(u"manuel/index.htm"_s), "<html></html>");
    ASSERT_TRUE(start());
    FakeOpener opener;
    session().mainWindow()->menus().manual->trigger();
    EXPECT_EQ(opener.opened, (QList<QUrl>{QUrl::fromLocalFile(programFile(u"manuel/index.htm"_s))}));
    EXPECT_EQ(m_settings.value(u"Manuel"_s, u"Chemin"_s), programFile(u"manuel/"_s));
    EXPECT_TRUE(m_prompter.allAnswered());
}

#include "ShellManualTest.moc"
