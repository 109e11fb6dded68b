#pragma once

#include "mail/ReportMail.h"

#include <QString>
#include <functional>
#include <string>

class QWidget;

inline const QString SendFailedMessage = QStringLiteral("Unable to send email. Make sure you use a MAPI client.  ");

// Sends what the e-mail window collected through MapiMailer, deletes a resized copy
// afterwards, and shows the failure message; true when the mail went out.
bool SendReportMail(const ReportMail& mail, const std::string& savedReportPath);

// The daily window's Email command. Without a saved picture it asks for one and runs
// `save`, which sets savedReportPath when the user saves; then the e-mail window
// opens on the picture and, when it closes with Email, the mail is sent.
void RunEmailCommand(const QString& savedReportPath, const std::function<QString()>& save, QWidget* parent);
