#ifndef SHARED_DIALOGS_FRM_ABOUT_H
#define SHARED_DIALOGS_FRM_ABOUT_H

#include "program_version.h"

#include <QDialog>
#include <QIcon>

class QLabel;
class QPushButton;

namespace shared {

// What distinguishes the two programs' About boxes.
struct AboutContent {
    QString caption;       // "About Pelmo" / "About darvo"
    QString productTitle;  // "Quenzar" / "Tervalon"
    QIcon icon;            // the program's icon; the application icon when null
    ProgramVersion version = kProgramVersion;
};

// The About box: product title, version and the maker's notice. Modal; OK closes it.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(const AboutContent& content, QWidget* parent = nullptr);

    // "Version " & major & "." & minor & "." & revision.
    static QString VersionText(const ProgramVersion& version);

private:
    void Form_Load(const AboutContent& content);
    void cmdOk_Click();

    QLabel* picIcon_;
    QLabel* lblTitle_;
    QLabel* lblVersion_;
    QLabel* lblDescription_;
    QLabel* lblDiscription2_;
    QPushButton* cmdOk_;
};

}  // namespace shared

#endif
