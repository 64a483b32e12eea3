#include "engine/CommandesLecteur.h"

#include "engine/CodesLecteur.h"
#include "engine/ValidationLecteur.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

// value / 100 in its shortest decimal form with a point: 100 -> 1, 150 -> 1.5, 10 -> 0.1.
QString centiemes(qint64 valeur)
{
    const bool negatif = valeur < 0;
    const quint64 absolu = negatif ? quint64(0) - quint64(valeur) : quint64(valeur);
    QString texte = QString::number(absolu / 100);
    if (const int reste = int(absolu % 100); reste != 0) {
        QString fraction = QStringLiteral("%1").arg(reste, 2, 10, QLatin1Char('0'));
        while (fraction.endsWith(u'0'))
            fraction.chop(1);
        texte += u'.' + fraction;
    }
    return negatif && absolu != 0 ? u'-' + texte : texte;
}

// A positive decimal percentage typed by the user ("75", "12.5", "12,5") divided by 100,
// in the same form as centiemes(); "" when the text is not such a number or is zero.
QString centiemesTexte(const QString& texte)
{
    static const QRegularExpression motif(QRegularExpression::anchoredPattern(
        QStringLiteral("([0-9]{1,9})(?:[.,]([0-9]{1,9}))?")));
    const auto m = motif.match(texte.trimmed());
    if (!m.hasMatch())
        return {};
    const QString entiers = m.captured(1);
    QString chiffres = entiers + m.captured(2);
    qsizetype virgule = entiers.size() - 2;
    if (virgule < 1) {
        chiffres.prepend(QString(1 - virgule, u'0'));
        virgule = 1;
    }
    QString partieEntiere = chiffres.left(virgule);
    QString fraction = chiffres.mid(virgule);
    while (partieEntiere.size() > 1 && partieEntiere.startsWith(u'0'))
        partieEntiere.remove(0, 1);
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    if (partieEntiere == u"0" && fraction.isEmpty())
        return {};
    return fraction.isEmpty() ? partieEntiere : partieEntiere + u'.' + fraction;
}

// A positive whole bit rate; "" otherwise.
QString debitTexte(const QString& texte)
{
    static const QRegularExpression motif(QRegularExpression::anchoredPattern(QStringLiteral("[0-9]{1,9}")));
    const QString propre = texte.trimmed();
    if (!motif.match(propre).hasMatch())
        return {};
    const qint64 valeur = propre.toLongLong();
    return valeur > 0 ? QString::number(valeur) : QString();
}

const QStringList OPTIONS_TS = {
    QStringLiteral("--sout-ts-pid-video=68"), QStringLiteral("--sout-ts-pid-audio=69"),
    QStringLiteral("--sout-ts-pcr=80"), QStringLiteral("--sout-ts-dts-delay=400")};

const QStringList LECTEUR_MASQUE = {QStringLiteral("-I"), QStringLiteral("dummy")};

// A player of ours never hands its target to another vlc (the user's own, through the
// session bus) and never takes one from it: neither single instance nor the bus.
const QStringList INSTANCE_PROPRE = {QStringLiteral("--no-one-instance"), QStringLiteral("--no-dbus")};

QString brancheUdp(const QString& cible)
{
    return QStringLiteral("dst=std{access=udp,mux=ts,dst=") + cible + u'}';
}

// The transcoding block "transcode{…}:" of a recording; "" when a code index is invalid
// (the caller refuses the command then), never "" otherwise.
QString blocTranscodage(const Parametres& p)
{
    QStringList elements;
    if (!p.AUDO) {
        const QString vcodec = codeVideo(p.VCOD);
        if (vcodec.isEmpty())
            return {};
        elements << QStringLiteral("vcodec=") + vcodec;
        if (const QString vb = debitTexte(p.VDEB); !vb.isEmpty())
            elements << QStringLiteral("vb=") + vb;
        if (const QString scale = centiemesTexte(p.VECH); !scale.isEmpty())
            elements << QStringLiteral("scale=") + scale;
    }
    const QString acodec = codeAudio(p.ACOD);
    if (acodec.isEmpty() || p.ACAN < 0 || p.ACAN >= ListesParametres::ACAN.size())
        return {};
    elements << QStringLiteral("acodec=") + acodec;
    if (const QString ab = debitTexte(p.ADEB); !ab.isEmpty())
        elements << QStringLiteral("ab=") + ab;
    elements << QStringLiteral("channels=") + QString::number(p.ACAN + 1);
    return QStringLiteral("transcode{") + elements.join(u',') + QStringLiteral("}:");
}

QStringList avecCible(QStringList arguments, const QStringList& cibles)
{
    arguments << INSTANCE_PROPRE << QStringLiteral("--") << cibles;
    return arguments;
}

// base options + display options + re-broadcast options when asked; empty when refused.
QStringList optionsLecture(const QStringList& optionsVLC, const Parametres& p, bool diffuser,
                           const QString& hote)
{
    QStringList arguments = AjouterOptionsEcran(optionsVLC, p);
    if (arguments.isEmpty())
        return {};
    if (diffuser) {
        const QStringList diffusion = OptionsDiffusion(p, hote);
        if (diffusion.isEmpty())
            return {};
        arguments << diffusion;
    }
    return arguments;
}

}  // namespace

QStringList OptionsVLC(const QString& dossierEnregistrement, int zoom)
{
    QString snapshots = dossierEnregistrement;
    // The root folder keeps its "/": an empty path would send the snapshots elsewhere.
    if (snapshots.size() > 1 && snapshots.endsWith(u'/'))
        snapshots.chop(1);
    return {
        QStringLiteral("--key-play-pause=Space"),
        QStringLiteral("--key-toggle-fullscreen=f"),
        QStringLiteral("--key-vol-up=Ctrl-Up"),
        QStringLiteral("--key-vol-down=Ctrl-Down"),
        QStringLiteral("--key-vol-mute=m"),
        QStringLiteral("--key-snapshot=Alt-Ctrl-s"),
        QStringLiteral("--snapshot-path=") + snapshots,
        QStringLiteral("--snapshot-format=jpg"),
        QStringLiteral("--zoom=") + centiemes(zoom),
    };
}


QStringList AjouterOptionsEcran(const QStringList& base, const Parametres& p)
{
    QStringList options = base;
    options << (p.FULL ? QStringLiteral("--fullscreen") : QStringLiteral("--nofullscreen"));
    options << (p.OTOP ? QStringLiteral("--video-on-top") : QStringLiteral("--no-video-on-top"));
    if (p.INTR) {
        const QString mode = modeDesentrelacement(p.LACE);
        if (mode.isEmpty())
            return {};
        options << QStringLiteral("--video-filter=deinterlace")
                << QStringLiteral("--deinterlace-mode=") + mode;
    }
    return options;
}

QStringList OptionsDiffusion(const Parametres& p, const QString& hote)
{
    const QString cible = cibleDiffusion(hote);
    if (cible.isEmpty())
        return {};
    QString sortie = QStringLiteral("--sout=#duplicate{");
    if (!p.ORDI)
        sortie += QStringLiteral("dst=display,");
    sortie += brancheUdp(cible) + u'}';
    return OPTIONS_TS + QStringList{sortie};
}

QStringList CommandeRegarder(const QStringList& optionsVLC, const Parametres& p,
                             const QString& adresse, bool diffuser, const QString& hote)
{
    if (!adresseFluxValide(adresse))
        return {};
    const QStringList options = optionsLecture(optionsVLC, p, diffuser, hote);
    if (options.isEmpty())
        return {};
    return avecCible(options, {adresse});
}

QString fichierDiffere(const QString& dossierEnregistrement)
{
    return dossierEnregistrement + QStringLiteral("TimeShift.mpg");
}

QStringList CommandeDiffereEnregistreur(const QString& dossierEnregistrement, const QString& adresse)
{
    const QString tampon = cheminCite(fichierDiffere(dossierEnregistrement), 1);
    if (!adresseFluxValide(adresse) || tampon.isEmpty())
        return {};
    QStringList arguments = LECTEUR_MASQUE;
    arguments << QStringLiteral("--sout=#std{access=file,mux=ps,dst=") + tampon + u'}';
    return avecCible(arguments, {adresse});
}

QStringList CommandeDiffereLecteurServi(const QStringList& optionsVLC, const Parametres& p,
                                        const QString& adresseTampon, bool diffuser,
                                        const QString& hote)
{
    if (!adresseFluxValide(adresseTampon))
        return {};
    const QStringList arguments = optionsLecture(optionsVLC, p, diffuser, hote);
    if (arguments.isEmpty())
        return {};
    return avecCible(arguments, {adresseTampon});
}

QStringList CommandeEnregistrement(const QStringList& optionsVLC, const Parametres& p,
                                   const QString& adresse, const QString& fichier,
                                   bool visible, bool diffuser, const QString& hote)
{
    // The file branch stands inside "duplicate{…}": two levels.
    const QString destination = cheminCite(fichier, 2);
    if (!adresseFluxValide(adresse) || destination.isEmpty())
        return {};
    const QString cible = diffuser ? cibleDiffusion(hote) : QString();
    if (diffuser && cible.isEmpty())
        return {};

    QStringList arguments = visible ? QStringList() : LECTEUR_MASQUE;
    const QStringList ecran = AjouterOptionsEcran(optionsVLC, p);
    if (ecran.isEmpty())
        return {};
    arguments << ecran;
    if (diffuser)
        arguments << OPTIONS_TS;

    QString sortie = QStringLiteral("--sout=#");
    QString conteneur;
    if (p.VENC) {
        const QString transcodage = blocTranscodage(p);
        conteneur = codeConteneur(p.CAPS);
        if (transcodage.isEmpty() || conteneur.isEmpty())
            return {};
        sortie += transcodage;
    } else {
        conteneur = p.TSPS == 1 ? QStringLiteral("ts") : QStringLiteral("ps");
    }
    sortie += QStringLiteral("duplicate{");
    if (visible)
        sortie += QStringLiteral("dst=display,");
    sortie += QStringLiteral("dst=std{access=file,mux=") + conteneur + QStringLiteral(",dst=") + destination
              + u'}';
    // Transcoding passes on, untouched, a stream whose codec it is not given: only the file
    // drops the picture, which the display and the television still get.
    if (p.VENC && p.AUDO)
        sortie += QStringLiteral(",select=novideo");
    if (diffuser)
        sortie += u',' + brancheUdp(cible);
    sortie += u'}';

    arguments << sortie;
    return avecCible(arguments, {adresse});
}

QString RefusDossierEnregistrement(const QString& dossierEnregistrement)
{
    // A recording file is the folder and a name without chain syntax: the folder decides.
    if (cheminCitable(dossierEnregistrement, 2))
        return {};
    return QStringLiteral("Le lecteur vlc ne peut pas enregistrer dans le dossier :\n") + dossierEnregistrement
           + QStringLiteral("\n\nSon nom ne peut contenir ni accolade « { » ou « } » sans sa paire, "
                            "ni caractère de contrôle.\n"
                            "Choisissez un autre dossier d'enregistrement dans les options.");
}

QString RefusFichierEnregistrement(const QString& dossierEnregistrement, const QString& fichier)
{
    if (QString refus = RefusDossierEnregistrement(dossierEnregistrement); !refus.isEmpty())
        return refus;
    QFile f(fichier);
    const bool existait = f.exists();
    if (f.open(existait ? QIODevice::WriteOnly | QIODevice::Append : QIODevice::WriteOnly | QIODevice::NewOnly)) {
        f.close();
        if (!existait)
            f.remove();
        return {};
    }
    const QFileInfo dossier(dossierEnregistrement);
    QString raison;
    if (!dossier.isDir())
        raison = QStringLiteral("ce dossier n'existe pas.");
    else if (!dossier.isWritable())
        raison = QStringLiteral("vous n'avez pas le droit d'y écrire.");
    else
        raison = QStringLiteral("le système le refuse (") + f.errorString() + QStringLiteral(").");
    return QStringLiteral("Le lecteur vlc ne peut pas enregistrer dans le dossier :\n") + dossierEnregistrement
           + QStringLiteral("\n\nAucun fichier ne peut y être créé : ") + raison
           + QStringLiteral("\nChoisissez un autre dossier d'enregistrement dans les options.");
}

QStringList CommandeEnregistrementManuel(const QStringList& optionsVLC, const Parametres& p,
                                         const QString& adresse, const QString& fichier,
                                         bool diffuser, const QString& hote)
{
    return CommandeEnregistrement(optionsVLC, p, adresse, fichier, p.DISP, diffuser, hote);
}

QStringList CommandeEnregistrementProgramme(const QStringList& optionsVLC, const Parametres& p,
                                            const QString& adresse, const QString& fichier)
{
    return CommandeEnregistrement(optionsVLC, p, adresse, fichier, false, false, QString());
}

QStringList CommandeFichier(const QStringList& optionsVLC, const Parametres& p,
                            const QString& chemin, bool diffuser, const QString& hote)
{
    if (!cheminLocalValide(chemin))
        return {};
    const QStringList options = optionsLecture(optionsVLC, p, diffuser, hote);
    if (options.isEmpty())
        return {};
    return avecCible(options, {chemin, QStringLiteral("vlc://quit")});
}

QStringList CommandeReinitialisation()
{
    // Without the options of our own players: "--save-config" would write them into the
    // user's own settings. After the reset no single-instance setting is read anyway.
    QStringList arguments = LECTEUR_MASQUE;
    arguments << QStringLiteral("--reset-config") << QStringLiteral("--reset-plugins-cache")
              << QStringLiteral("--save-config") << QStringLiteral("--") << QStringLiteral("vlc://quit");
    return arguments;
}
