#include "app/uAbout.h"

#include <QDir>
#include <QSysInfo>
#include <QUrl>

#include "app/uMain.h"
#include "store/Interakcja.h"
#include "store/Katalogi.h"
#include "store/uWspolneDB.h"
#include "ui_uAbout.h"

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#endif

TfAbout* fAbout = nullptr;

QString NazwaUzytkownika() {
#ifdef Q_OS_UNIX
    if (const passwd* pw = getpwuid(getuid())) {
        // The full name from the account's description, else the login name.
        const QString opis = QString::fromLocal8Bit(pw->pw_gecos).section(',', 0, 0).trimmed();
        if (!opis.isEmpty()) return opis;
        if (pw->pw_name && *pw->pw_name) return QString::fromLocal8Bit(pw->pw_name);
    }
#endif
    return QDir::home().dirName();
}

QString NazwaKomputera() {
    return QSysInfo::machineHostName();
}

TfAbout::TfAbout(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TfAbout>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("TfAbout"));
    setWindowTitle(QStringLiteral("O programie ..."));
    setMinimumWidth(340);
    ui->lTytul->setText(TytulAplikacji);
    ui->lUzytkownik->setText(NazwaUzytkownika());
    ui->lKomputer->setText(NazwaKomputera());
    connect(ui->bOK, &QPushButton::clicked, this, &QDialog::accept);
}

TfAbout::~TfAbout() = default;

// The program's folder is known only once the desk has started.
void TfAbout::showEvent(QShowEvent* zdarzenie) {
    const QString pomoc =
        QUrl::fromLocalFile(KatalogProgramu + QStringLiteral("pomoc.chm")).toString();
    ui->lKontakt->setText(QStringLiteral("<a href=\"%1\">Pomoc programu</a><br>"
                                         "<a href=\"%2\">Silnik bazy danych SQLite</a>")
                              .arg(pomoc, StronaPobierania.toString()));
    QDialog::showEvent(zdarzenie);
}
