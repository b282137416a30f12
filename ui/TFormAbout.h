#pragma once
// The about box: the application's name, links to the maker's web site and
// support mail, and OK.
#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class UrlOpener;

class TFormAbout : public QDialog {
    Q_OBJECT
public:
    explicit TFormAbout(QWidget* parent = nullptr);

    // Where the links are opened; the desktop's own programs until set.
    void setUrlOpener(UrlOpener& opener) { opener_ = &opener; }

    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QFrame* Panel1 = nullptr;
    QFrame* Panel3 = nullptr;
    QPushButton* SpeedButton1 = nullptr;

    void SpeedButton1Click();
    void Label2Click();
    void Label3Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* makeLink(const char* name, const QString& caption, int top);

    UrlOpener* opener_;
};
