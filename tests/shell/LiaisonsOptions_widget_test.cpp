#include "core/ClesParametres.h"
#include "shell/ControlesOptions.h"
#include "shell/LiaisonsOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <gtest/gtest.h>

#include <memory>

namespace {
// The row of the options table bound to `cle`, built as the pane builds it.
std::unique_ptr<QWidget> controlePour(const char* cle)
{
    for (const ControleOption& c : ControlesOptions())
        if (c.cle && QByteArray(c.cle) == cle)
            return std::unique_ptr<QWidget>(CreerControle(c, nullptr));
    return nullptr;
}
}  // namespace

TEST(LiaisonsOptions, EachKindOfSettingShowsItsValueAndReadsTheControlBack)
{
    // One key of each kind that has a control of its own: box, list, slider, text box, label.
    for (const char* cle : {"CLAV", "FOND", "ZOOM", "VDEB", "AUTP"}) {
        SCOPED_TRACE(cle);
        const CleParametre* k = TrouverCle(cle);
        ASSERT_NE(k, nullptr);
        auto w = controlePour(cle);
        ASSERT_NE(w, nullptr);
        const auto l = lierControle(*k, *w, w->objectName());
        ASSERT_TRUE(l.has_value());

        ContenuParametres montre;
        montre.p.CLAV = true;
        montre.p.FOND = 3;
        montre.p.ZOOM = 150;
        montre.p.VDEB = QStringLiteral("1200");
        montre.p.AUTP = QStringLiteral("/usr/bin/convertir");
        l->afficher(montre);
        ContenuParametres lu;
        l->lire(lu);
        // The key's own field comes back; the others stay as they were.
        ContenuParametres attendu;
        if (k->booleen)
            attendu.p.*k->booleen = montre.p.*k->booleen;
        if (k->entier)
            attendu.p.*k->entier = montre.p.*k->entier;
        if (k->texte)
            attendu.p.*k->texte = montre.p.*k->texte;
        EXPECT_NE(attendu.p, ContenuParametres().p);
        EXPECT_EQ(lu.p, attendu.p);
    }
}

TEST(LiaisonsOptions, AListOnNoItemKeepsTheValue)
{
    QComboBox liste;
    int Parametres::*fond = &Parametres::FOND;
    const LiaisonOption l = lierListe(liste, fond);
    ContenuParametres c;
    c.p.FOND = 5;
    l.lire(c);
    EXPECT_EQ(c.p.FOND, 5);
    liste.addItems({"a", "b"});
    liste.setCurrentIndex(1);
    l.lire(c);
    EXPECT_EQ(c.p.FOND, 1);
}

TEST(LiaisonsOptions, TheContainerPairShowsTsOrPsAndAnythingButTsReadsAsPs)
{
    auto paire = controlePour("TSPS");
    ASSERT_NE(paire, nullptr);
    const LiaisonOption l = lierControle(*TrouverCle("TSPS"), *paire, QStringLiteral("TSPStag")).value();
    auto* ts = paire->findChild<QRadioButton*>("TSPStag(1)");
    auto* ps = paire->findChild<QRadioButton*>("TSPStag(2)");
    ASSERT_TRUE(ts && ps);
    for (const int valeur : {1, 2, 7}) {
        ContenuParametres c;
        c.p.TSPS = valeur;
        l.afficher(c);
        EXPECT_EQ(ts->isChecked(), valeur == 1) << valeur;
        EXPECT_EQ(ps->isChecked(), valeur != 1) << valeur;
        ContenuParametres lu;
        lu.p.TSPS = 0;
        l.lire(lu);
        EXPECT_EQ(lu.p.TSPS, valeur == 1 ? 1 : 2) << valeur;
    }
}

TEST(LiaisonsOptions, TheFolderGoesToAndComesFromThePane)
{
    QString montre, garde = QStringLiteral("/enregistrements");
    const LiaisonOption l = lierDossier([&montre](const QString& d) { montre = d; }, [&garde] { return garde; });
    ContenuParametres c;
    c.dossierEnregistrement = QStringLiteral("/video");
    l.afficher(c);
    EXPECT_EQ(montre, "/video");
    l.lire(c);
    EXPECT_EQ(c.dossierEnregistrement, "/enregistrements");
}

TEST(LiaisonsOptions, AKeyAndAControlThatDoNotGoTogetherAreNotBound)
{
    QLabel etiquette;
    EXPECT_FALSE(lierControle(*TrouverCle("CLAV"), etiquette, QStringLiteral("CLAVtag")).has_value());
    EXPECT_FALSE(lierControle(*TrouverCle("RECP"), etiquette, QStringLiteral("RECpathTxt")).has_value());
}
