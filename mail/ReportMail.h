#pragma once

#include <string>

class MapiMailer;

// What the e-mail window leaves for the sender when it closes with Email.
struct ReportMail {
    std::string toText;
    std::string subject;
    std::string message;
    bool resized = false;
    std::string attachmentPath;  // the resized copy when resized
};

inline const std::string NoMessageNote = "No message was included with this Daily Report...";

// Fills a mailer in the usual calling order: every recipient as typed, an empty
// originator name, the subject, the report (or its resized copy) and the note.
void FillReportMail(MapiMailer& mailer, const ReportMail& mail, const std::string& savedReportPath);
