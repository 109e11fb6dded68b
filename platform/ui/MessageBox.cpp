#include "platform/ui/MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QQueue>

namespace {
bool testMode = false;
QQueue<MessageBox::Answer> nextAnswers;
QVector<MessageBox::Shown> shownBoxes;
}

void MessageBox::stop(const QString& text)
{
    show(text, Stop);
}

void MessageBox::information(const QString& text)
{
    show(text, Information);
}

bool MessageBox::question(const QString& text)
{
    return show(text, Question) == Yes;
}

bool MessageBox::questionDefaultNo(const QString& text)
{
    return show(text, Question, true) == Yes;
}

void MessageBox::setTestMode(bool on)
{
    testMode = on;
}

void MessageBox::setNextAnswer(Answer answer)
{
    testMode = true;
    nextAnswers.enqueue(answer);
}

const QVector<MessageBox::Shown>& MessageBox::history()
{
    return shownBoxes;
}

void MessageBox::clearHistory()
{
    shownBoxes.clear();
    nextAnswers.clear();
}

void MessageBox::setUp(QMessageBox& box, const QString& text, Icon icon)
{
    box.setWindowTitle(QStringLiteral("Moravel"));
    box.setWindowModality(Qt::ApplicationModal);
    // Names typed by the user appear in messages; markup in them stays text.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    switch (icon) {
    case Stop:
        box.setIcon(QMessageBox::Critical);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Information:
        box.setIcon(QMessageBox::Information);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Question:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    }
}

MessageBox::Answer MessageBox::show(const QString& text, Icon icon, bool defaultNo)
{
    shownBoxes.append({text, icon});
    if (testMode) {
        if (!nextAnswers.isEmpty())
            return nextAnswers.dequeue();
        return icon == Question ? No : Ok;
    }
    QMessageBox box;
    setUp(box, text, icon);
    if (defaultNo)
        box.setDefaultButton(QMessageBox::No);
    const int result = box.exec();
    if (icon != Question)
        return Ok;
    return result == QMessageBox::Yes ? Yes : No;
}
