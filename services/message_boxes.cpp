// Message boxes without an owner window.
#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMessageBox>

#include "window_services.h"

namespace {

// A Yes/No box ends only through its buttons; an OK box also closes with
// Escape and the title-bar button, which count as OK.
class MessageBoxWindow : public QMessageBox {
public:
    bool answered = false;
    bool yesNo = false;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (yesNo && event->key() == Qt::Key_Escape) return;
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override {
        if (yesNo && !answered) return event->ignore();
        answered = true;
        QMessageBox::closeEvent(event);
    }
};

}  // namespace

int ShowMessage(std::string_view text, int buttons, std::string_view title) {
    if (!qApp) return buttons == MessageButtons::YesNo ? MessageResult::No : MessageResult::Ok;
    QString body = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));

    // No owner: the main window stays usable while the box is open.
    MessageBoxWindow box;
    box.yesNo = buttons == MessageButtons::YesNo;
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowTitle(QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
    box.setText(body);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::NonModal);
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setEscapeButton(static_cast<QAbstractButton*>(nullptr));
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
    }
    QEventLoop loop;
    QObject::connect(&box, &QMessageBox::buttonClicked, [&] {
        box.answered = true;
        loop.quit();
    });
    // Closed without a button: only an OK box gets this far.
    QObject::connect(&box, &QDialog::finished, &loop, &QEventLoop::quit);
    box.show();
    loop.exec();
    if (buttons != MessageButtons::YesNo) return MessageResult::Ok;
    return box.clickedButton() == box.button(QMessageBox::Yes) ? MessageResult::Yes
                                                               : MessageResult::No;
}
