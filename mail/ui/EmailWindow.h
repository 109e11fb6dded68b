#pragma once

#include "mail/ReportMail.h"

#include <QDialog>
#include <QString>

class QCheckBox;
#include "platform/ui/CaptionLabel.h"
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

// Collects recipients, subject and message for mailing a saved report, keeps the
// address book, and offers to shrink a large picture first. It sends nothing: when
// it closes with Email, the opener sends Result().
class EmailWindow : public QDialog {
    Q_OBJECT
public:
    EmailWindow(const QString& attachmentPath, const QString& attachmentName, QWidget* parent = nullptr);

    ReportMail Result() const;

    QLineEdit* ToField() const { return toField; }
    QLineEdit* SubjectField() const { return subjectField; }
    QPlainTextEdit* MessageField() const { return messageField; }
    QCheckBox* ResizeBox() const { return resizeBox; }
    QPushButton* ResizeButton() const { return resizeButton; }
    QPushButton* EmailButton() const { return emailButton; }
    QPushButton* ClearButton() const { return clearButton; }
    QPushButton* CancelButton() const { return cancelButton; }
    QTreeWidget* ContactList() const { return contactList; }
    QPushButton* CopyButton() const { return copyButton; }
    QPushButton* AddButton() const { return addButton; }
    QPushButton* EditButton() const { return editButton; }
    QPushButton* DeleteButton() const { return deleteButton; }
    CaptionLabel* NameValue() const { return nameValue; }
    CaptionLabel* SizeValue() const { return sizeValue; }
    CaptionLabel* ResolutionValue() const { return resolutionValue; }
    int SelectedContact() const { return selectedContact; }
    bool Resized() const { return resized; }
    QString AttachmentPath() const { return attachmentPath; }

public slots:
    void reject() override;

private:
    void LoadContacts();
    void SaveContacts();
    void DescribeAttachment();
    void SetContactButtons(bool enabled);
    void SelectContact(int row);

    void EmailClicked();
    void ClearClicked();
    void ResizeFlow();
    void CopyClicked();
    void AddClicked();
    void EditClicked();
    void DeleteClicked();
    void ContactSelectionChanged();

    QString attachmentPath;
    QString attachmentName;
    bool resized = false;
    bool contactsUnreadable = false;
    bool resizeChecked = false;
    int imageWidth = 0;
    int imageHeight = 0;
    int selectedContact = -1;

    QLineEdit* toField = nullptr;
    QLineEdit* subjectField = nullptr;
    QPlainTextEdit* messageField = nullptr;
    QCheckBox* resizeBox = nullptr;
    QPushButton* resizeButton = nullptr;
    QPushButton* emailButton = nullptr;
    QPushButton* clearButton = nullptr;
    QPushButton* cancelButton = nullptr;
    QTreeWidget* contactList = nullptr;
    QPushButton* copyButton = nullptr;
    QPushButton* addButton = nullptr;
    QPushButton* editButton = nullptr;
    QPushButton* deleteButton = nullptr;
    CaptionLabel* nameValue = nullptr;
    CaptionLabel* sizeValue = nullptr;
    CaptionLabel* resolutionValue = nullptr;
};
