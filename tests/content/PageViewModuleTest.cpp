#include "content/PageView.h"

#include <QTest>

// Without its browser module the page view stays an empty widget and the
// program goes on; nothing that uses it may fail.
class PageViewModuleTest : public QObject {
    Q_OBJECT
private slots:
    void missingModuleLeavesAnEmptyView()
    {
        qputenv("MORAVEL_WEB_MODULE", "/nonexistent/browser-module.so");
        PageView view;
        view.resize(200, 100);
        view.show();
        QVERIFY(view.Browser() == nullptr);
        view.OpenFile(QStringLiteral("/tmp/page.htm"));
        QCOMPARE(view.CurrentFile(), QString());
        view.setFocus();
        QVERIFY(!view.grab().isNull());
    }
};

QTEST_MAIN(PageViewModuleTest)
#include "PageViewModuleTest.moc"
