#include "mail/ui/EmailWindow.h"

#include "mail/Contacts.h"
#include "mail/ui/ContactWindow.h"
#include "mail/ui/ModalRun.h"
#include "platform/FileMessages.h"
#include "platform/ImageEncoder.h"
#include "platform/Paths.h"
#include "platform/ui/FieldChecks.h"
#include "platform/ui/CaptionLabel.h"
#include "platform/ui/Look.h"
#include "platform/ui/MessageBox.h"
#include "reports/ui/ResizeWindow.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {
constexpr int ToLimit = 500;
constexpr int SubjectLimit = 50;
constexpr int MessageLimit = 200;

// Recipients reach the mail program's command line or header: none may pass for an option.
bool RecipientsSafe(std::string_view to)
{
    for (const std::string& recipient : SplitRecipients(std::string(to)))
        if (!IsSafeRecipient(recipient))
            return false;
    return true;
}

CaptionLabel* PlaceLabel(const QString& text, const QColor& colour, QWidget* parent, const QRect& place,
                         int maxLength = 32767)
{
    CaptionLabel* label = MakeLabel(text, colour, parent, maxLength);
    label->setGeometry(place);
    return label;
}
}

EmailWindow::EmailWindow(const QString& path, const QString& name, QWidget* parent)
    : QDialog(parent),
      attachmentPath(path),
      attachmentName(name)
{
    setWindowTitle(QStringLiteral("Email"));
    setFixedSize(730, 430);

    // Left: the message.
    CaptionLabel* toLabel =
        PlaceLabel(QStringLiteral("Email To (Email Address):"), LabelColour::White, this, {15, 10, 320, 24});
    toField = new QLineEdit(this);
    toLabel->setBuddy(toField);
    toField->setGeometry(15, 36, 330, 28);
    toField->setToolTip(QStringLiteral("email recipient(s)"));

    PlaceLabel(QStringLiteral("Email Subject:"), LabelColour::White, this, {15, 72, 320, 24})
        ->setBuddy(subjectField = new QLineEdit(this));
    subjectField->setGeometry(15, 98, 330, 28);
    subjectField->setToolTip(QStringLiteral("subject"));

    PlaceLabel(QStringLiteral("Email Message (Optional):"), LabelColour::White, this, {15, 134, 320, 24})
        ->setBuddy(messageField = new QPlainTextEdit(this));
    messageField->setGeometry(15, 160, 330, 76);
    messageField->setTabChangesFocus(true);
    messageField->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    messageField->setToolTip(QStringLiteral("message"));

    PlaceLabel(QStringLiteral("Attached Daily Report"), LabelColour::Green, this, {15, 246, 220, 24});
    PlaceLabel(QStringLiteral("Name:"), LabelColour::Yellow, this, {15, 272, 100, 24});
    PlaceLabel(QStringLiteral("Size:"), LabelColour::Yellow, this, {15, 298, 100, 24});
    PlaceLabel(QStringLiteral("Resolution:"), LabelColour::Yellow, this, {15, 324, 100, 24});
    nameValue = PlaceLabel(QString(), LabelColour::Black, this, {118, 272, 227, 24}, 100);
    sizeValue = PlaceLabel(QString(), LabelColour::Black, this, {118, 298, 227, 24}, 50);
    resolutionValue = PlaceLabel(QString(), LabelColour::Black, this, {118, 324, 227, 24}, 50);

    resizeBox = new QCheckBox(QStringLiteral("Resize report"), this);
    resizeBox->setFont(ControlFont());
    resizeBox->setGeometry(15, 352, 160, 26);
    QPalette blue = resizeBox->palette();
    blue.setColor(QPalette::WindowText, LabelColour::Blue);
    blue.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0, 0, 140));
    resizeBox->setPalette(blue);
    resizeButton = MakeButton(QStringLiteral("Resize"), {}, this, {180, 350, 95, 30});

    emailButton =
        MakeButton(QStringLiteral("Email"), {}, this, {15, 388, 95, 32}, QStringLiteral("email daily report"));
    clearButton = MakeButton(QStringLiteral("Clear"), {}, this, {118, 388, 95, 32},
                             QStringLiteral("clear to, subject and message fields"));
    cancelButton =
        MakeButton(QStringLiteral("Cancel"), {}, this, {221, 388, 95, 32}, QStringLiteral("cancel and close"));
    emailButton->setDefault(true);

    // Right: the address book.
    CaptionLabel* contactsLabel = PlaceLabel(QStringLiteral("Contacts:"), LabelColour::Green, this, {425, 10, 200, 24});
    copyButton =
        MakeButton(QStringLiteral("<<----"), {}, this, {352, 35, 66, 30}, QStringLiteral("select email contact"));
    copyButton->setAccessibleName(QStringLiteral("Add to recipients"));
    contactList = new QTreeWidget(this);
    contactsLabel->setBuddy(contactList);
    contactList->setAccessibleName(QStringLiteral("Contacts"));
    contactList->setGeometry(425, 36, 292, 300);
    contactList->setColumnCount(2);
    contactList->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Email Address")});
    contactList->setColumnWidth(0, 110);
    contactList->setColumnWidth(1, 177);
    contactList->setRootIsDecorated(false);
    contactList->setSelectionMode(QAbstractItemView::SingleSelection);
    contactList->setSelectionBehavior(QAbstractItemView::SelectRows);
    contactList->setUniformRowHeights(true);
    contactList->setToolTip(QStringLiteral("all contacts"));
    contactList->setFont(ControlFont());
    contactList->header()->setFont(ControlFont());
    contactList->header()->setStretchLastSection(false);
    QPalette listColours = contactList->palette();
    listColours.setColor(QPalette::Base, QColor(128, 128, 128));
    listColours.setColor(QPalette::Text, Qt::black);
    // The selection stays visible while another control has the focus.
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        listColours.setColor(group, QPalette::Highlight, QColor(0, 0, 128));
        listColours.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    contactList->setPalette(listColours);

    addButton = MakeButton(QStringLiteral("Add"), {}, this, {425, 346, 92, 32}, QStringLiteral("add email contact"));
    editButton = MakeButton(QStringLiteral("Edit"), {}, this, {525, 346, 92, 32}, QStringLiteral("edit email contact"));
    deleteButton =
        MakeButton(QStringLiteral("Delete"), {}, this, {625, 346, 92, 32}, QStringLiteral("delete email contact"));

    for (QWidget* field : std::initializer_list<QWidget*>{toField, subjectField, messageField})
        field->setFont(ControlFont());
    // Return sends only through the Email button, whichever button has the focus.
    for (QPushButton* button :
         {resizeButton, emailButton, clearButton, cancelButton, copyButton, addButton, editButton, deleteButton})
        button->setAutoDefault(false);

    const QList<QWidget*> order = {toField,     subjectField, messageField, resizeBox,   resizeButton,
                                   emailButton, clearButton,  cancelButton, contactList, copyButton,
                                   addButton,   editButton,   deleteButton};
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(resizeBox, &QCheckBox::toggled, this, [this](bool ticked) {
        resizeChecked = ticked;
        resizeButton->setVisible(ticked);
    });
    connect(resizeButton, &QPushButton::clicked, this, &EmailWindow::ResizeFlow);
    connect(emailButton, &QPushButton::clicked, this, &EmailWindow::EmailClicked);
    connect(clearButton, &QPushButton::clicked, this, &EmailWindow::ClearClicked);
    connect(cancelButton, &QPushButton::clicked, this, &EmailWindow::reject);
    connect(copyButton, &QPushButton::clicked, this, &EmailWindow::CopyClicked);
    connect(addButton, &QPushButton::clicked, this, &EmailWindow::AddClicked);
    connect(editButton, &QPushButton::clicked, this, &EmailWindow::EditClicked);
    connect(deleteButton, &QPushButton::clicked, this, &EmailWindow::DeleteClicked);
    connect(contactList, &QTreeWidget::itemSelectionChanged, this, &EmailWindow::ContactSelectionChanged);
    connect(contactList, &QTreeWidget::itemDoubleClicked, this, &EmailWindow::EditClicked);

    LoadContacts();
    resizeButton->hide();
    DescribeAttachment();
    if (contactList->topLevelItemCount() == 0)
        toField->setFocus();
}

ReportMail EmailWindow::Result() const
{
    ReportMail mail;
    mail.toText = toField->text().toStdString();
    mail.subject = subjectField->text().toStdString();
    mail.message = messageField->toPlainText().toStdString();
    mail.resized = resized;
    mail.attachmentPath = attachmentPath.toStdString();
    return mail;
}

void EmailWindow::LoadContacts()
{
    std::vector<Contact> contacts;
    contactsUnreadable = ReadContacts(ContactsPath(), contacts) == FileState::Unreadable;
    if (contactsUnreadable)
        MessageBox::stop(CannotReadMessage(ContactsPath()));
    for (const Contact& contact : contacts) {
        auto* item = new QTreeWidgetItem(
            QStringList{QString::fromStdString(contact.name), QString::fromStdString(contact.email)});
        contactList->addTopLevelItem(item);
    }
    if (contactList->topLevelItemCount() == 0) {
        SetContactButtons(false);
        selectedContact = -1;
    } else {
        SetContactButtons(true);
        SelectContact(0);
        contactList->setFocus();
    }
}

void EmailWindow::SaveContacts()
{
    std::vector<Contact> contacts;
    for (int row = 0; row < contactList->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = contactList->topLevelItem(row);
        contacts.push_back({item->text(0).toStdString(), item->text(1).toStdString()});
    }
    // An address book we could not read keeps what it holds: it was reported at opening.
    if (!contactsUnreadable && !WriteContacts(ContactsPath(), contacts))
        MessageBox::stop(CannotSaveMessage(ContactsPath()));
}

void EmailWindow::DescribeAttachment()
{
    nameValue->setText(attachmentName);
    sizeValue->setText(QString::fromStdString(FileSizeText(attachmentPath.toStdString())));
    if (IsPicturePath(attachmentPath.toStdString())) {
        resizeBox->setEnabled(true);
        const QSize size = ReadPicture(attachmentPath).size();
        imageWidth = size.isValid() ? size.width() : 0;
        imageHeight = size.isValid() ? size.height() : 0;
        resolutionValue->setText(QString::number(imageWidth) + QStringLiteral(" x ") + QString::number(imageHeight));
    } else {
        resizeBox->setEnabled(false);
        imageWidth = 0;
        imageHeight = 0;
        resolutionValue->setText(QStringLiteral("n/a"));
    }
}

void EmailWindow::SetContactButtons(bool enabled)
{
    deleteButton->setEnabled(enabled);
    editButton->setEnabled(enabled);
    copyButton->setEnabled(enabled);
}

void EmailWindow::SelectContact(int row)
{
    selectedContact = row;
    if (QTreeWidgetItem* item = contactList->topLevelItem(row)) {
        contactList->setCurrentItem(item);
        item->setSelected(true);
    }
}

void EmailWindow::ContactSelectionChanged()
{
    const QList<QTreeWidgetItem*> selected = contactList->selectedItems();
    selectedContact = selected.isEmpty() ? -1 : contactList->indexOfTopLevelItem(selected.constFirst());
    SetContactButtons(contactList->topLevelItemCount() > 0);
}

void EmailWindow::EmailClicked()
{
    const QString to = toField->text();
    const QString subject = subjectField->text();
    const QString message = messageField->toPlainText();
    if (!FieldsPass({
            {to, FieldTests::Filled, QStringLiteral("Please enter To Address first.    "), toField},
            {to, FieldTests::AtMost(ToLimit),
             QStringLiteral("To Address is too long. Maximum size is 500 characters.    "), toField},
            {to, RecipientsSafe, QStringLiteral("To Address is not valid.    "), toField},
            {subject, FieldTests::Filled, QStringLiteral("Please enter Email Subject first.    "), subjectField},
            {subject, FieldTests::AtMost(SubjectLimit),
             QStringLiteral("Email Subject is too long. Maximum size is 50 characters.    "), subjectField},
            {message, FieldTests::AtMost(MessageLimit),
             QStringLiteral("Email Message is too long. Maximum size is 200 characters.    "), messageField},
        }))
        return;

    // A picture already resized in this window is not offered again.
    if (!resized && !attachmentPath.isEmpty() && HasPictureExtension(attachmentName.toStdString()) &&
        (imageWidth > 1024 || imageHeight > 1024)) {
        if (MessageBox::question(QStringLiteral("Would you like to resize your report?    \n"
                                                "Resolution 1024 x 768 or less is recommended for attachments.    ")))
            ResizeFlow();
    }
    SaveContacts();
    contactList->clear();
    accept();
}

void EmailWindow::ClearClicked()
{
    toField->clear();
    subjectField->clear();
    messageField->clear();
}

void EmailWindow::reject()
{
    ClearClicked();
    SaveContacts();
    contactList->clear();
    QDialog::reject();
}

void EmailWindow::ResizeFlow()
{
    ResizeWindow window(attachmentPath, this);
    if (RunModal(window) != QDialog::Accepted || !window.Produced())
        return;
    attachmentPath = window.ResultPath();
    attachmentName = QString::fromStdString(LastPathPart(attachmentPath.toStdString()));
    resized = true;
    DescribeAttachment();
    resizeBox->setEnabled(false);
    resizeButton->setEnabled(false);
}

void EmailWindow::CopyClicked()
{
    const QTreeWidgetItem* item = contactList->topLevelItem(selectedContact);
    if (!item)
        return;
    const std::string address = item->text(1).toStdString();
    const std::string to = toField->text().toStdString();
    if (AddressAlreadyInToList(to, address)) {
        MessageBox::stop(item->text(1) + QStringLiteral(" is already in your To: list."));
        return;
    }
    toField->setText(QString::fromStdString(AppendAddress(to, address)));
}

void EmailWindow::AddClicked()
{
    ContactWindow window({}, {}, this);
    if (RunModal(window) != QDialog::Accepted)
        return;
    const QString name = window.Name();
    const QString email = window.Email();
    for (int row = 0; row < contactList->topLevelItemCount(); ++row) {
        if (contactList->topLevelItem(row)->text(1) == email) {
            MessageBox::stop(email + QStringLiteral(" is already in your contacts."));
            return;
        }
    }
    contactList->addTopLevelItem(new QTreeWidgetItem(QStringList{name, email}));
    SetContactButtons(true);
    if (contactList->topLevelItemCount() == 1)
        SelectContact(0);
}

void EmailWindow::EditClicked()
{
    QTreeWidgetItem* item = contactList->topLevelItem(selectedContact);
    if (!item)
        return;
    ContactWindow window(item->text(0), item->text(1), this);
    if (RunModal(window) != QDialog::Accepted)
        return;
    if (window.Name() != item->text(0) || window.Email() != item->text(1)) {
        item->setText(0, window.Name());
        item->setText(1, window.Email());
        SelectContact(selectedContact);
    }
}

void EmailWindow::DeleteClicked()
{
    if (selectedContact < 0 || selectedContact >= contactList->topLevelItemCount())
        return;
    const int row = selectedContact;
    {
        const QSignalBlocker quiet(contactList);
        delete contactList->takeTopLevelItem(row);
    }
    selectedContact = row - 1 < 0 ? 0 : row - 1;
    if (contactList->topLevelItemCount() == 0) {
        SetContactButtons(false);
        return;
    }
    SelectContact(selectedContact);
}
