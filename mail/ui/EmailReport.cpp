#include "mail/ui/EmailReport.h"

#include "mail/MapiMailer.h"
#include "mail/ui/EmailWindow.h"
#include "mail/ui/MailProgramRun.h"
#include "mail/ui/ModalRun.h"
#include "platform/DataFile.h"
#include "platform/Paths.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/WaitCursor.h"
#include "reports/ui/DailyAnalysisWindow.h"

#include <QCoreApplication>
#include <set>

namespace {
// Resized copies handed to a mail client, which reads them after the send; they
// go when the application object ends, that is when the main window has closed.
std::set<std::string>& KeptCopies()
{
    static std::set<std::string> kept;
    return kept;
}

void DeleteKeptCopies()
{
    for (const std::string& copy : KeptCopies()) {
        if (FileExists(copy))
            MakeWritableAndDelete(copy);
    }
    KeptCopies().clear();
}

void DeleteWhenQuitting(const std::string& path)
{
    if (KeptCopies().empty())
        qAddPostRoutine(DeleteKeptCopies);
    KeptCopies().insert(path);
}
}

bool SendReportMail(const ReportMail& mail, const std::string& savedReportPath, QWidget* owner)
{
    MapiMailer mailer(MapiMailer::Delivery::SendmailOrMailClient);
    bool sent = false;
    if (mailer.TakeError() == 0) {
        WaitCursor wait;
        mailer.SetProgramRunner(
            [owner](MapiMailer::Program program, const std::vector<std::string>& argv, const std::string& input) {
                return RunMailProgram(owner, program, argv, input);
            });
        FillReportMail(mailer, mail, savedReportPath);
        sent = mailer.Send(0);
    }
    // A copy the client will read stays; one nobody took goes now.
    if (mail.resized && sent && mailer.UsesMailClient())
        DeleteWhenQuitting(mail.attachmentPath);
    else if (mail.resized && FileExists(mail.attachmentPath))
        MakeWritableAndDelete(mail.attachmentPath);
    if (!sent)
        MessageBox::stop(SendFailedMessage);
    return sent;
}

void RunEmailCommand(const QString& savedReportPath, const std::function<QString()>& save, QWidget* parent)
{
    QString path = savedReportPath;
    if (path.isEmpty()) {
        MessageBox::information(QStringLiteral("Please save Daily Report first.     "));
        path = save();
    }
    if (path.isEmpty())
        return;
    EmailWindow window(path, QString::fromStdString(LastPathPart(path.toStdString())), parent);
    if (RunModal(window) != QDialog::Accepted)
        return;
    SendReportMail(window.Result(), path.toStdString(), parent);
}

void ConnectEmailCommand(DailyAnalysisWindow& window)
{
    QObject::connect(&window, &DailyAnalysisWindow::emailRequested, &window, [&window] {
        RunEmailCommand(
            window.SavedReportPath(),
            [&window] {
                window.Save();
                return window.SavedReportPath();
            },
            &window);
    });
}
