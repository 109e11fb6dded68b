#include "mail/EmailReport.h"

#include "mail/EmailWindow.h"
#include "mail/MapiMailer.h"
#include "mail/ModalRun.h"
#include "platform/DataFile.h"
#include "platform/MessageBox.h"
#include "platform/WaitCursor.h"
#include "reports/ResizeRules.h"

bool SendReportMail(const ReportMail& mail, const std::string& savedReportPath)
{
    MapiMailer mailer;
    if (mailer.TakeError() != 0) {
        MessageBox::stop(SendFailedMessage);
        return false;
    }
    bool sent = false;
    {
        WaitCursor wait;
        FillReportMail(mailer, mail, savedReportPath);
        sent = mailer.Send(0);
        if (mail.resized)
            MakeWritableAndDelete(mail.attachmentPath);
    }
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
    SendReportMail(window.Result(), path.toStdString());
}
