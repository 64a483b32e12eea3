#include "shell/PanneauOptions.h"

#include "core/ClesParametres.h"
#include "core/Encodage.h"
#include "core/ReglesOptions.h"
#include "core/Version.h"
#include "panes/EditeurFavoris.h"
#include "shell/ControlesOptions.h"
#include "shell/Icones.h"
#include "shell/MoletteDefilement.h"
#include "shell/RangeeOnglets.h"
#include "shell/Textures.h"
#include "shell/ValidateurNombre.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <array>

namespace {
template <typename T>
T* comme(QWidget* w)
{
    return qobject_cast<T*>(w);
}
}  // namespace

PanneauOptions::PanneauOptions(const QString& dossierProgramme, QWidget* parent)
    : QWidget(parent),
      Onglets(new QTabWidget(this)),
      Retour(new QPushButton(QStringLiteral("OK"), this)),
      dossierProgramme_(dossierProgramme)
{
    setObjectName(QStringLiteral("Fond2"));
    texture_ = new ImageTexture(this);
    construireOnglets();
    Retour->setObjectName(QStringLiteral("Retour"));
    Retour->setToolTip(QStringLiteral("Valider les options et revenir à Kelmor"));
    placerControles();
    // The rates and the scale take the width of their longest value.
    for (const auto& [nom, exemple] : {std::pair{"VDEBtag", "000000"}, {"ADEBtag", "000000"}, {"VECHtag", "0000"}})
        if (auto* e = comme<QLineEdit>(controle(QString::fromLatin1(nom))))
            e->setFixedWidth(e->fontMetrics().horizontalAdvance(QString::fromLatin1(exemple)) + 12);

    if (auto* version = comme<QLabel>(controle(QStringLiteral("Version0"))))
        version->setText(kVersion);
    if (auto* logo = comme<QLabel>(controle(QStringLiteral("Logo0"))))
        logo->setPixmap(IconeRepos().pixmap(48, 48));

    auto* racine = new QVBoxLayout(this);
    racine->setContentsMargins(2, 2, 2, 2);
    racine->setSpacing(0);
    racine->addWidget(rangees_[0]);
    racine->addWidget(rangees_[1]);
    racine->addWidget(Onglets, 1);
    racine->addSpacing(2);
    racine->addWidget(Retour, 0, Qt::AlignRight);

    using P = PanneauOptions;
    for (const auto& [membre, nom] :
         {std::pair{&P::ClavierListe, "ClavierListe"}, {&P::Reinitialiser, "Réinitialiser"}, {&P::MAJcfg, "MAJcfg"},
          {&P::FRPLtexte, "FRPLtexte"}, {&P::AllerSite, "AllerSite"}, {&P::AllerFAQ, "AllerFAQ"},
          {&P::AllerForums, "AllerForums"}, {&P::MAJexe, "MAJexe"}, {&P::AutoSel, "AutoSél"}, {&P::RECpath0, "RECpath0"}})
        this->*membre = bouton(QString::fromUtf8(nom));
    lierControles();
    relierGestionnaires();
    // A list or a slider changes only when the user picks a value: the wheel over it scrolls
    // the pane, as it does everywhere else in it.
    auto* molette = new MoletteDefilement(this);
    for (QComboBox* l : findChildren<QComboBox*>())
        l->installEventFilter(molette);
    for (QSlider* c : findChildren<QSlider*>())
        c->installEventFilter(molette);
    Onglets_Click(1);
}

void PanneauOptions::construireOnglets()
{
    Onglets->setObjectName(QStringLiteral("Onglets"));
    Onglets->setDocumentMode(true);
    // The eight captions in two rows of four, each whole: the tab widget's own bar stays hidden.
    Onglets->tabBar()->hide();
    // Its hidden bar is the tab widget's focus proxy: Tab would stop at it and go no further.
    Onglets->tabBar()->setFocusPolicy(Qt::NoFocus);
    Onglets->setFocusPolicy(Qt::NoFocus);
    std::array<RangeeOnglets*, 2> rangees{new RangeeOnglets(this), new RangeeOnglets(this)};
    for (int r = 0; r < 2; ++r) {
        RangeeOnglets* rangee = rangees[std::size_t(r)];
        rangee->setObjectName(QStringLiteral("Onglets%1").arg(r + 1));
        for (int i = 0; i < 4; ++i)
            rangee->addTab(kOngletsOptions.value(4 * r + i));
        connect(rangee, &RangeeOnglets::choisi, this, [this, r](int i) { Onglets_Click(4 * r + i + 1); });
    }
    rangees_ = {rangees[0], rangees[1]};
    connect(Onglets, &QTabWidget::currentChanged, this, [rangees](int i) {
        for (int r = 0; r < 2; ++r) {
            RangeeOnglets* rangee = rangees[std::size_t(r)];
            const bool ici = i / 4 == r;
            if (ici) {
                const QSignalBlocker bloque(rangee);
                rangee->setCurrentIndex(i % 4);
            }
            rangee->definirActive(ici);
        }
    });
}

void PanneauOptions::placerControles()
{
    // One frame per tab, `Onglet(1)` to `Onglet(8)`, each scrolling when the window is small.
    QHash<QString, QVBoxLayout*> dispositions;
    QHash<QString, QHBoxLayout*> lignes;
    for (int i = 0; i < kOngletsOptions.size(); ++i) {
        auto* defilement = new QScrollArea(Onglets);
        defilement->setWidgetResizable(true);
        defilement->setFrameShape(QFrame::NoFrame);
        auto* cadre = new QWidget;
        cadre->setObjectName(QStringLiteral("Onglet(%1)").arg(i + 1));
        cadre->setAutoFillBackground(false);
        auto* v = new QVBoxLayout(cadre);
        v->setContentsMargins(4, 4, 4, 4);
        v->setSpacing(3);
        defilement->setWidget(cadre);
        defilement->viewport()->setAutoFillBackground(false);
        Onglets->addTab(defilement, kOngletsOptions[i]);
        dispositions.insert(QString::number(i + 1), v);
    }
    favoris_ = new EditeurFavoris;
    dispositions.value(QStringLiteral("4"))->addWidget(favoris_);

    for (const ControleOption& c : ControlesOptions()) {
        const QString onglet = QString::number(c.onglet);
        QString cle = onglet;
        if (c.cadre) {
            cle += u'/' + QString::fromLatin1(c.cadre);
            if (!dispositions.contains(cle)) {
                auto* cadre = new QFrame;
                cadre->setObjectName(QString::fromLatin1(c.cadre));
                auto* v = new QVBoxLayout(cadre);
                v->setContentsMargins(8, 0, 0, 0);
                v->setSpacing(3);
                dispositions.value(onglet)->addWidget(cadre);
                controles_.insert(cadre->objectName(), cadre);
                dispositions.insert(cle, v);
            }
        }
        QVBoxLayout* v = dispositions.value(cle);
        QWidget* parent = v->parentWidget();
        QBoxLayout* cible = v;
        if (c.ligne) {
            const QString cleLigne = cle + u'#' + QString::fromLatin1(c.ligne);
            if (!lignes.contains(cleLigne)) {
                auto* h = new QHBoxLayout;
                h->setSpacing(4);
                v->addLayout(h);
                lignes.insert(cleLigne, h);
            }
            cible = lignes.value(cleLigne);
        }
        const bool legendeAvant = c.legende && (c.genre == GenreControle::Liste || c.genre == GenreControle::Curseur
                                                || c.genre == GenreControle::Saisie);
        if (legendeAvant) {
            auto* l = new QLabel(QString::fromUtf8(c.legende), parent);
            l->setWordWrap(!c.ligne);
            cible->addWidget(l);
        }
        QWidget* w = CreerControle(c, parent);
        if (auto* l = comme<QLabel>(w); l && c.ligne)
            l->setWordWrap(false);
        cible->addWidget(w);
        if (const QString nom = NomControle(c); !nom.isEmpty())
            controles_.insert(nom, w);
    }
    for (auto* h : std::as_const(lignes))
        h->addStretch(1);
    for (auto* v : std::as_const(dispositions))
        if (!v->parentWidget()->objectName().startsWith(QStringLiteral("Fond")))
            v->addStretch(1);
}

void PanneauOptions::lierControles()
{
    for (const ControleOption& r : ControlesOptions()) {
        const CleParametre* k = r.cle ? TrouverCle(r.cle) : nullptr;
        QWidget* w = controle(NomControle(r));
        if (!k || !w)
            continue;
        if (k->genre == GenreCle::Dossier)
            liaisons_.push_back(
                lierDossier([this](const QString& d) { definirDossier(d); }, [this] { return dossier_; }));
        else if (std::optional<LiaisonOption> l = lierControle(*k, *w, NomControle(r)))
            liaisons_.push_back(std::move(*l));
    }
}

void PanneauOptions::relierGestionnaires()
{
    auto* mtop = comme<QCheckBox>(controle("MTOPtag"));
    auto* otop = comme<QCheckBox>(controle("OTOPtag"));
    auto exclusion = [mtop, otop](bool mtopClique) {
        bool m = mtop->isChecked(), o = otop->isChecked();
        ExclusionAuDessus(m, o, mtopClique);
        mtop->setChecked(m);
        otop->setChecked(o);
    };
    connect(mtop, &QCheckBox::clicked, this, [exclusion] { exclusion(true); });
    connect(otop, &QCheckBox::clicked, this, [exclusion] { exclusion(false); });

    connect(comme<QComboBox>(controle("FONDtag")), &QComboBox::currentIndexChanged, this,
            [this] { FONDtag_Click(); });
    connect(comme<QSlider>(controle("ZOOMtag")), &QSlider::valueChanged, this, [this] { ZOOMtag_Scroll(); });
    connect(bouton("Zoom100"), &QPushButton::clicked, this, [this] {
        comme<QSlider>(controle("ZOOMtag"))->setValue(100);
        ZOOMtag_Scroll();
    });
    connect(comme<QCheckBox>(controle("VENCtag")), &QCheckBox::toggled, this, [this] { VENCtag_Click(); });
    connect(comme<QCheckBox>(controle("AUTRtag")), &QCheckBox::toggled, this, [this] { AUTRtag_Click(); });
    connect(bouton("AutoClear"), &QPushButton::clicked, this, [this] { definirProgramme(QString()); });

    // Encoding: a user's edit puts the profile list back on its prompt; the bit rates, the
    // channels and the audio-only box recompute the estimate.
    connect(comme<QComboBox>(controle("Profils")), &QComboBox::activated, this, [this] { Profils_Click(); });
    for (const char* nom : {"VCODtag", "ACODtag", "CAPStag", "ACANtag"})
        connect(comme<QComboBox>(controle(nom)), &QComboBox::activated, this, [this] { invitationProfil(); });
    for (const char* nom : {"VDEBtag", "ADEBtag"}) {
        auto* e = comme<QLineEdit>(controle(nom));
        connect(e, &QLineEdit::textEdited, this, [this] { invitationProfil(); });
        connect(e, &QLineEdit::textChanged, this, [this] { EstimerTaille(); });
        e->setValidator(new ValidateurNombre(&SaisieDebit, e));
    }
    auto* vech = comme<QLineEdit>(controle("VECHtag"));
    vech->setValidator(new ValidateurNombre(&SaisieEchelle, vech));
    vech->installEventFilter(this);
    auto* audo = comme<QCheckBox>(controle("AUDOtag"));
    connect(audo, &QCheckBox::clicked, this, [this] { invitationProfil(); });
    connect(audo, &QCheckBox::toggled, this, [this] { EstimerTaille(); });

    connect(Onglets, &QTabWidget::currentChanged, this, [this](int i) { Onglets_Click(i + 1); });
}

bool PanneauOptions::eventFilter(QObject* objet, QEvent* e)
{
    // A click in the scale box resets the profile list, even when its text does not change.
    if (objet == controle("VECHtag") && e->type() == QEvent::MouseButtonPress)
        invitationProfil();
    return QWidget::eventFilter(objet, e);
}

QPushButton* PanneauOptions::bouton(const QString& nom) const
{
    return qobject_cast<QPushButton*>(controles_.value(nom));
}

void PanneauOptions::afficher(const ContenuParametres& c)
{
    for (const LiaisonOption& l : liaisons_)
        l.afficher(c);
    // What start-up runs after loading: the handlers that follow a value even when no
    // assignment changed it.
    FONDtag_Click();
    ZOOMtag_Scroll();
    VENCtag_Click();
    AUTRtag_Click();
    comme<QComboBox>(controle("Profils"))->setCurrentIndex(0);
    EstimerTaille();
}

void PanneauOptions::lire(ContenuParametres& c) const
{
    for (const LiaisonOption& l : liaisons_)
        l.lire(c);
}

void PanneauOptions::Onglets_Click(int onglet)
{
    if (onglet < 1 || onglet > Onglets->count())
        return;
    if (Onglets->currentIndex() != onglet - 1)
        Onglets->setCurrentIndex(onglet - 1);  // comes back here through currentChanged
}

int PanneauOptions::onglet() const
{
    return Onglets->currentIndex() + 1;
}

QTabBar* PanneauOptions::rangeeOnglets(int rangee) const
{
    return rangee == 1 || rangee == 2 ? rangees_[std::size_t(rangee - 1)] : nullptr;
}

void PanneauOptions::focaliser()
{
    // The row that holds the selected tab: the arrows change the tab, Tab goes on into its page.
    if (QTabBar* r = rangeeOnglets(onglet() <= 4 ? 1 : 2))
        r->setFocus(Qt::OtherFocusReason);
}

QString PanneauOptions::programme() const
{
    return comme<QLabel>(controle("AUTPtag"))->text();
}

void PanneauOptions::definirProgramme(const QString& chemin)
{
    comme<QLabel>(controle("AUTPtag"))->setText(chemin);
}

void PanneauOptions::definirDossier(const QString& dossier)
{
    dossier_ = dossier;
    comme<QLabel>(controle("RECpathTxt"))->setText(QStringLiteral("Dossier : ") + dossier);
}

QString PanneauOptions::taille() const
{
    return comme<QLabel>(controle("Taille"))->text();
}

void PanneauOptions::FONDtag_Click()
{
    const int choix = comme<QComboBox>(controle("FONDtag"))->currentIndex();
    texture_->definir(TextureFond(choix, 2, dossierProgramme_));
    emit textureChoisie(choix);
}

void PanneauOptions::ZOOMtag_Scroll()
{
    comme<QLabel>(controle("ZoomTxt"))->setText(TexteZoom(comme<QSlider>(controle("ZOOMtag"))->value()));
}

void PanneauOptions::VENCtag_Click()
{
    controle("FondEnc")->setVisible(comme<QCheckBox>(controle("VENCtag"))->isChecked());
}

void PanneauOptions::AUTRtag_Click()
{
    controle("FondAuto")->setVisible(comme<QCheckBox>(controle("AUTRtag"))->isChecked());
}

void PanneauOptions::Profils_Click()
{
    auto* profils = comme<QComboBox>(controle("Profils"));
    const auto profil = ProfilNomme(profils->currentText());
    if (!profil)
        return;
    ContenuParametres c;
    lire(c);
    AppliquerProfil(c.p, *profil);
    comme<QComboBox>(controle("VCODtag"))->setCurrentIndex(c.p.VCOD);
    comme<QLineEdit>(controle("VDEBtag"))->setText(c.p.VDEB);
    comme<QLineEdit>(controle("VECHtag"))->setText(c.p.VECH);
    comme<QComboBox>(controle("ACODtag"))->setCurrentIndex(c.p.ACOD);
    comme<QLineEdit>(controle("ADEBtag"))->setText(c.p.ADEB);
    comme<QComboBox>(controle("ACANtag"))->setCurrentIndex(c.p.ACAN);
    comme<QComboBox>(controle("CAPStag"))->setCurrentIndex(c.p.CAPS);
    comme<QCheckBox>(controle("AUDOtag"))->setChecked(c.p.AUDO);
    invitationProfil();
    EstimerTaille();
}

void PanneauOptions::invitationProfil()
{
    comme<QComboBox>(controle("Profils"))->setCurrentIndex(0);
}

void PanneauOptions::EstimerTaille()
{
    auto* taille = comme<QLabel>(controle("Taille"));
    if (!taille)
        return;
    taille->setText(::EstimerTaille(comme<QLineEdit>(controle("VDEBtag"))->text(),
                                    comme<QLineEdit>(controle("ADEBtag"))->text(),
                                    comme<QCheckBox>(controle("AUDOtag"))->isChecked()));
}

void PanneauOptions::definirAdressesWeb(const QString& site, const QString& forum)
{
    const std::pair<const char*, QString> liens[] = {{"AllerSite", site}, {"AllerFAQ", site}, {"AllerForums", forum}};
    for (const auto& [nom, adresse] : liens)
        if (QPushButton* b = bouton(QString::fromUtf8(nom)); b && !b->toolTip().endsWith(adresse))
            b->setToolTip(b->toolTip() + adresse);
}
