// The program's look: the fonts asked for resolve to installed metric twins, every
// window carries the program's icon, and every caption and column header fits the width
// the window gives it.
#include <QAbstractButton>
#include <QHeaderView>
#include <QIcon>

#include "admin/uSprawdzBaze.h"
#include "clients/uKlienciArchiwum.h"
#include "films/uFilmy.h"
#include "reports/uRapDaty.h"
#include "test_panele_pulpit.h"
#include "widgets/uDialog.h"

namespace {

// What is cut in a window at its default size: captions narrower than their text and
// column headers narrower than their title.
QStringList Uciete(QWidget& okno) {
    okno.show();
    QApplication::processEvents();
    QStringList uciete;
    const auto nazwa = [&](const QWidget* w, const QString& tekst) {
        return okno.objectName() + "/" + w->objectName() + " \"" + tekst + "\"";
    };
    for (QWidget* w : okno.findChildren<QWidget*>()) {
        if (!w->isVisible()) continue;
        if (auto* l = qobject_cast<QLabel*>(w);
            l && !l->wordWrap() && !l->text().isEmpty() && l->sizeHint().width() > l->width())
            uciete << nazwa(l, l->text());
        if (auto* b = qobject_cast<QAbstractButton*>(w);
            b && !b->text().isEmpty() &&
            b->fontMetrics().horizontalAdvance(b->text().remove('&')) > b->contentsRect().width())
            uciete << nazwa(b, b->text());
        if (auto* sg = qobject_cast<QTableView*>(w);
            sg && sg->model() && sg->horizontalHeader()->isVisible()) {
            const QHeaderView* h = sg->horizontalHeader();
            for (int k = 0; k < sg->model()->columnCount(); ++k) {
                const QString t = sg->model()->headerData(k, Qt::Horizontal).toString();
                if (sg->isColumnHidden(k) || t.isEmpty()) continue;
                const int potrzeba =
                    h->fontMetrics().horizontalAdvance(t) +
                    2 * h->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, h);
                if (potrzeba > h->sectionSize(k)) uciete << nazwa(sg, t);
            }
        }
    }
    okno.hide();
    return uciete;
}

class Wyglad : public PulpitPaneli {};

}  // namespace

TEST(Czcionki, ProszoneRodzinyMajaZainstalowaneOdpowiedniki) {
    for (const char* rodzina : {"MS Sans Serif", "Arial"})
        EXPECT_EQ(QFontInfo(QFont(rodzina, 8)).family(), "Liberation Sans") << rodzina;
    EXPECT_EQ(QFontInfo(QApplication::font()).family(), "Liberation Sans");
    EXPECT_EQ(QApplication::font().pointSize(), 8);
}

TEST_F(Wyglad, KazdeOknoMaIkoneIMiesciNapisy) {
    Uruchom();
    EXPECT_EQ(QFontInfo(fMain->font()).family(), "Liberation Sans");
    EXPECT_EQ(QFontInfo(k<QComboBox>("cbKlient")->font()).pointSize(), 10);

    TfKlienciArchiwum archiwum;
    TfFilmy filmy;
    TfRapDaty daty;
    TfDialog slownik;
    TfSprawdzBaze sprawdzenie;
    std::vector<QWidget*> okna = {&archiwum, &filmy, &daty, &slownik, &sprawdzenie};
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName().startsWith("Tf")) okna.push_back(w);
    ASSERT_GE(okna.size(), 18u);
    QStringList uciete;
    for (QWidget* okno : okna) {
        const QIcon ikona = okno->windowIcon();
        EXPECT_FALSE(ikona.pixmap(32, 32).isNull()) << okno->objectName().toStdString();
        uciete << Uciete(*okno);
    }
    EXPECT_TRUE(uciete.isEmpty()) << uciete.join("\n").toStdString();
}
