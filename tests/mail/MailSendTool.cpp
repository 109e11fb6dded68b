// Sends one message through MapiMailer from the command line:
//   MailSendTool [--to ADDRESS]... [--subject TEXT] [--from-name NAME] [--note TEXT] [--attach PATH]
// Exit status: 0 sent, 1 Send gave false, 2 the mailer reported an error.
#include "mail/MapiMailer.h"

#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char* argv[])
{
    MapiMailer mailer;
    if (const int error = mailer.TakeError()) {
        std::fprintf(stderr, "mailer error %d\n", error);
        return 2;
    }
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        const std::string value = argv[i + 1];
        if (option == "--to")
            mailer.AddRecipient(value);
        else if (option == "--subject")
            mailer.SetSubject(value);
        else if (option == "--from-name")
            mailer.SetOriginatorName(value);
        else if (option == "--note")
            mailer.noteText = value;
        else if (option == "--attach")
            mailer.AddAttachment(value);
    }
    return mailer.Send(0) ? 0 : 1;
}
