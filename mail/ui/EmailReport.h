#pragma once

#include "mail/ReportMail.h"

#include <QString>
#include <functional>
#include <string>

class DailyAnalysisWindow;
class QWidget;

inline const QString SendFailedMessage = QStringLiteral(
    "Unable to send email. Install a sendmail-compatible program such as msmtp-mta, or set a default mail client.  ");

// Sends what the e-mail window collected through MapiMailer (sendmail, else the
// desktop's mail client) with the owner's windows taking no input meanwhile, and
// shows the failure message; true when the mail went out or reached the client.
// A resized copy is deleted after sendmail has read it or when the send fails; one
// handed to the mail client stays until the application quits (or the next resize
// replaces it).
bool SendReportMail(const ReportMail& mail, const std::string& savedReportPath, QWidget* owner = nullptr);

// The daily window's Email command. Without a saved picture it asks for one and runs
// `save`, which sets savedReportPath when the user saves; then the e-mail window
// opens on the picture and, when it closes with Email, the mail is sent.
void RunEmailCommand(const QString& savedReportPath, const std::function<QString()>& save, QWidget* parent);

// Makes the daily window's Email button run the e-mail command on its saved picture.
void ConnectEmailCommand(DailyAnalysisWindow& window);
