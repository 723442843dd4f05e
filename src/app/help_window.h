// The program's own help: the user guide in a window of its own, and the box that
// shows an address the desktop could not open. Both work offline and without any
// browser or mail program; the main window turns to them only when the desktop
// fails.
#pragma once

#include <QDialog>
#include <QHash>
#include <QSize>
#include <QUrl>
#include <QWidget>

class QLabel;
class QLineEdit;
class QTextBrowser;
class QToolButton;

namespace mb {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the guide whose front page is `path` (an .htm file; its pictures and
    // links are found relative to it) and brings the window forward.
    void showGuide(const QString& path);

    // The page shown, as a local file URL (with the anchor when one was followed).
    QUrl source() const;
    // Follows a link as a click on it would.
    void followLink(const QUrl& link);

signals:
    // A link that leaves the guide (web or mail address): the desktop's business.
    void externalLinkRequested(const QUrl& url);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateButtons();
    // Shows every picture of the page at most as wide as the browser has room for,
    // keeping its proportions; a picture that fits keeps its own size.
    void fitPictures();
    QSize pictureSize(const QString& name);

    QTextBrowser* browser_;
    QToolButton* back_;
    QToolButton* forward_;
    QToolButton* home_;
    QUrl homeUrl_;
    QHash<QString, QSize> pictureSizes_;  // each picture's own size, by its resolved address
};

class AddressDialog : public QDialog {
    Q_OBJECT
public:
    explicit AddressDialog(QWidget* parent = nullptr);

    // The address to show: a mail address without its "mailto:", a web address whole.
    void setAddress(const QString& address);
    QString address() const;

private:
    QLineEdit* edit_;
};

}  // namespace mb
