#include "engine/CommandesLecteur.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString DOSSIER = "/home/anne/Vidéos/";
const QString CHAINE = "rtsp://mafreebox.freebox.fr/fbxtv_pub/stream?namespace=1&service=201";
const QString HOTE = "freeplayer.freebox.fr";
const QString FICHIER = "/home/anne/Vidéos/Kelmor 2024-03-05 20-45-00 France 2.mpg";

// Base options for DOSSIER, zoom 100.
const QStringList BASE = {"--key-play-pause=Space",   "--key-toggle-fullscreen=f",
                          "--key-vol-up=Ctrl-Up",     "--key-vol-down=Ctrl-Down",
                          "--key-vol-mute=m",         "--key-snapshot=Alt-Ctrl-s",
                          "--snapshot-path=/home/anne/Vidéos", "--snapshot-format=jpg",
                          "--zoom=1"};

// Display options of the default settings: windowed, not on top, deinterlaced by blending.
const QStringList ECRAN = {"--nofullscreen", "--no-video-on-top", "--video-filter=deinterlace",
                           "--deinterlace-mode=blend"};

const QStringList DIFFUSION_ET_PC = {
    "--sout-ts-pid-video=68", "--sout-ts-pid-audio=69", "--sout-ts-pcr=80", "--sout-ts-dts-delay=400",
    "--sout=#duplicate{dst=display,dst=std{access=udp,mux=ts,dst=freeplayer.freebox.fr:1234}}"};
const QStringList DIFFUSION_TV_SEULE = {
    "--sout-ts-pid-video=68", "--sout-ts-pid-audio=69", "--sout-ts-pcr=80", "--sout-ts-dts-delay=400",
    "--sout=#duplicate{dst=std{access=udp,mux=ts,dst=freeplayer.freebox.fr:1234}}"};

Parametres defauts() { return Parametres{}; }

}  // namespace

TEST(OptionsVLC, DefaultFolderAndZoom)
{
    EXPECT_EQ(OptionsVLC(DOSSIER, 100), BASE);
}

TEST(OptionsVLC, ZoomIsWrittenInShortestDecimalFormWithAPoint)
{
    const std::pair<int, const char*> cas[] = {{100, "--zoom=1"},    {150, "--zoom=1.5"},
                                               {123, "--zoom=1.23"}, {10, "--zoom=0.1"},
                                               {200, "--zoom=2"},    {105, "--zoom=1.05"},
                                               {110, "--zoom=1.1"},  {99, "--zoom=0.99"}};
    for (const auto& [zoom, attendu] : cas) {
        const QStringList options = OptionsVLC(DOSSIER, zoom);
        ASSERT_EQ(options.size(), 9);
        EXPECT_EQ(options.at(8), QString(attendu)) << zoom;
    }
}

TEST(OptionsVLC, SnapshotPathDropsTheFinalSlashButKeepsTheRoot)
{
    EXPECT_EQ(OptionsVLC("/srv/tv/", 100).at(6), "--snapshot-path=/srv/tv");
    EXPECT_EQ(OptionsVLC("/", 100).at(6), "--snapshot-path=/");
}

TEST(AjouterOptionsEcran, FullScreenAndOnTopEachHaveTheirTwoForms)
{
    Parametres p = defauts();
    p.INTR = false;
    EXPECT_EQ(AjouterOptionsEcran(BASE, p), (BASE + QStringList{"--nofullscreen", "--no-video-on-top"}));
    p.FULL = true;
    EXPECT_EQ(AjouterOptionsEcran(BASE, p), (BASE + QStringList{"--fullscreen", "--no-video-on-top"}));
    p.OTOP = true;
    EXPECT_EQ(AjouterOptionsEcran(BASE, p), (BASE + QStringList{"--fullscreen", "--video-on-top"}));
    p.FULL = false;
    EXPECT_EQ((AjouterOptionsEcran({}, p)), (QStringList{"--nofullscreen", "--video-on-top"}));
}

TEST(AjouterOptionsEcran, EachDeinterlaceModeOfTheList)
{
    const char* modes[] = {"blend", "bob", "discard", "linear", "mean", "x"};
    Parametres p = defauts();
    for (int i = 0; i < 6; ++i) {
        p.LACE = i;
        EXPECT_EQ(AjouterOptionsEcran(BASE, p),
                  (BASE + QStringList{"--nofullscreen", "--no-video-on-top", "--video-filter=deinterlace",
                                     QString("--deinterlace-mode=") + modes[i]}))
            << i;
    }
}

TEST(AjouterOptionsEcran, AnUnknownDeinterlaceIndexIsRefusedOnlyWhenDeinterlacing)
{
    Parametres p = defauts();
    p.LACE = 6;
    EXPECT_TRUE(AjouterOptionsEcran(BASE, p).isEmpty());
    p.INTR = false;
    EXPECT_EQ(AjouterOptionsEcran(BASE, p), (BASE + QStringList{"--nofullscreen", "--no-video-on-top"}));
}

TEST(OptionsDiffusion, LocalDisplayBranchOnlyWithoutOrdi)
{
    Parametres p = defauts();
    EXPECT_EQ(OptionsDiffusion(p, HOTE), DIFFUSION_ET_PC);
    p.ORDI = true;
    EXPECT_EQ(OptionsDiffusion(p, HOTE), DIFFUSION_TV_SEULE);
}

TEST(OptionsDiffusion, HostWithPortAndInvalidHosts)
{
    const Parametres p = defauts();
    EXPECT_EQ(OptionsDiffusion(p, "127.0.0.1:5004").last(),
              ("--sout=#duplicate{dst=display,dst=std{access=udp,mux=ts,dst=127.0.0.1:5004}}"));
    for (const char* hote : {"", "a}b", "x,dst=std{access=file", "h\"o", "h:0", "h:70000", "h o",
                             "-h", "[::1]"})
        EXPECT_TRUE(OptionsDiffusion(p, hote).isEmpty()) << hote;
}

TEST(CommandeRegarder, WithoutReBroadcast)
{
    EXPECT_EQ(CommandeRegarder(BASE, defauts(), CHAINE, false, HOTE),
              (BASE + ECRAN + QStringList{"--no-one-instance", "--no-dbus", "--", CHAINE}));
}

TEST(CommandeRegarder, BeforeTheFirstSaveTheBaseOptionsAreEmpty)
{
    EXPECT_EQ((CommandeRegarder({}, defauts(), CHAINE, false, HOTE)), (ECRAN + QStringList{"--no-one-instance", "--no-dbus", "--", CHAINE}));
}

TEST(CommandeRegarder, ReBroadcastWithAndWithoutThePicture)
{
    Parametres p = defauts();
    EXPECT_EQ(CommandeRegarder(BASE, p, CHAINE, true, HOTE),
              (BASE + ECRAN + DIFFUSION_ET_PC + QStringList{"--no-one-instance", "--no-dbus", "--", CHAINE}));
    p.ORDI = true;
    EXPECT_EQ(CommandeRegarder(BASE, p, CHAINE, true, HOTE),
              (BASE + ECRAN + DIFFUSION_TV_SEULE + QStringList{"--no-one-instance", "--no-dbus", "--", CHAINE}));
    // ORDI only matters while re-broadcasting
    EXPECT_EQ(CommandeRegarder(BASE, p, CHAINE, false, HOTE), (BASE + ECRAN + QStringList{"--no-one-instance", "--no-dbus", "--", CHAINE}));
}

TEST(CommandeRegarder, RefusesAddressesThatAreNotStreams)
{
    const Parametres p = defauts();
    for (const char* adresse : {"--extraintf=http", "http://x\n--y", "file:///etc/passwd",
                                "vlc://quit", "", "/home/anne/a.ts", "rtsp://"})
        EXPECT_TRUE(CommandeRegarder(BASE, p, adresse, false, HOTE).isEmpty()) << adresse;
}

TEST(CommandeRegarder, RefusesAnInvalidHostOnlyWhenReBroadcasting)
{
    const Parametres p = defauts();
    EXPECT_TRUE(CommandeRegarder(BASE, p, CHAINE, true, "").isEmpty());
    EXPECT_EQ(CommandeRegarder(BASE, p, CHAINE, false, "").size(), BASE.size() + ECRAN.size() + 4);
}

TEST(Differe, HiddenRecorderWritesTheBufferAsProgramStream)
{
    EXPECT_EQ(CommandeDiffereEnregistreur(DOSSIER, CHAINE),
              (QStringList{"-I", "dummy", "--sout=#std{access=file,mux=ps,dst=\"/home/anne/Vidéos/TimeShift.mpg\"}",
                           "--no-one-instance", "--no-dbus", "--", CHAINE}));
}

TEST(Differe, RecorderQuotesAnyFolderAndRefusesBadAddressesAndControls)
{
    EXPECT_EQ(CommandeDiffereEnregistreur("/tmp/a,\"b}/", CHAINE).at(2),
              "--sout=#std{access=file,mux=ps,dst=\"/tmp/a,\\\"b}/TimeShift.mpg\"}");
    EXPECT_TRUE(CommandeDiffereEnregistreur(DOSSIER, "--sout=#std{access=file}").isEmpty());
    EXPECT_TRUE(CommandeDiffereEnregistreur("/tmp/a\nb/", CHAINE).isEmpty());
    EXPECT_TRUE(CommandeDiffereEnregistreur("relatif/", CHAINE).isEmpty());
}

TEST(Differe, ViewerPlaysTheServedBufferWithItsOwnInstance)
{
    const QString servi = "http://127.0.0.1:40123/0f1e2d3c4b5a69788796a5b4c3d2e1f0/TimeShift.mpg";
    Parametres p = defauts();
    EXPECT_EQ(CommandeDiffereLecteurServi(BASE, p, servi, false, HOTE),
              (BASE + ECRAN + QStringList{"--no-one-instance", "--no-dbus", "--", servi}));
    EXPECT_EQ(CommandeDiffereLecteurServi(BASE, p, servi, true, HOTE),
              (BASE + ECRAN + DIFFUSION_ET_PC + QStringList{"--no-one-instance", "--no-dbus", "--", servi}));
    p.ORDI = true;
    EXPECT_EQ(CommandeDiffereLecteurServi(BASE, p, servi, true, HOTE),
              (BASE + ECRAN + DIFFUSION_TV_SEULE + QStringList{"--no-one-instance", "--no-dbus", "--", servi}));
    EXPECT_TRUE(CommandeDiffereLecteurServi(BASE, p, servi, true, "a,b").isEmpty());
}

TEST(Differe, ViewerRefusesAnythingButAStreamAddress)
{
    // Unserved (""), the bare file (it would stop at the buffer's current end) or an option.
    EXPECT_TRUE(CommandeDiffereLecteurServi(BASE, defauts(), "", false, HOTE).isEmpty());
    EXPECT_TRUE(CommandeDiffereLecteurServi(BASE, defauts(), DOSSIER + "TimeShift.mpg", false, HOTE).isEmpty());
    EXPECT_TRUE(CommandeDiffereLecteurServi(BASE, defauts(), "--extraintf=http", false, HOTE).isEmpty());
    EXPECT_TRUE(CommandeDiffereLecteurServi(BASE, defauts(), "http://127.0.0.1:1/a\nquit", false, HOTE).isEmpty());
}

TEST(Enregistrement, DefaultManualRecordingIsShownAndWrittenAsProgramStream)
{
    EXPECT_EQ(CommandeEnregistrementManuel(BASE, defauts(), CHAINE, FICHIER, false, HOTE),
              (BASE + ECRAN
                  + QStringList{"--sout=#duplicate{dst=display,dst=std{access=file,mux=ps,dst=\"" + FICHIER
                                    + "\"}}",
                                "--no-one-instance", "--no-dbus", "--", CHAINE}));
}

TEST(Enregistrement, ManualRecordingHiddenWhenDispIsUnticked)
{
    Parametres p = defauts();
    p.DISP = false;
    EXPECT_EQ(CommandeEnregistrementManuel(BASE, p, CHAINE, FICHIER, false, HOTE),
              (QStringList{"-I", "dummy"} + BASE + ECRAN
                  + QStringList{"--sout=#duplicate{dst=std{access=file,mux=ps,dst=\"" + FICHIER + "\"}}",
                                "--no-one-instance", "--no-dbus", "--", CHAINE}));
}

TEST(Enregistrement, TransportStreamWhenTspsIsOne)
{
    Parametres p = defauts();
    p.TSPS = 1;
    EXPECT_EQ(CommandeEnregistrementManuel(BASE, p, CHAINE, FICHIER, false, HOTE),
              (BASE + ECRAN
                  + QStringList{"--sout=#duplicate{dst=display,dst=std{access=file,mux=ts,dst=\"" + FICHIER
                                    + "\"}}",
                                "--no-one-instance", "--no-dbus", "--", CHAINE}));
}

TEST(Enregistrement, ManualRecordingWithReBroadcastAddsTheUdpBranch)
{
    EXPECT_EQ(CommandeEnregistrementManuel(BASE, defauts(), CHAINE, FICHIER, true, HOTE),
              (BASE + ECRAN
                  + QStringList{"--sout-ts-pid-video=68", "--sout-ts-pid-audio=69", "--sout-ts-pcr=80",
                                "--sout-ts-dts-delay=400",
                                "--sout=#duplicate{dst=display,dst=std{access=file,mux=ps,dst=\"" + FICHIER
                                    + "\"},dst=std{access=udp,mux=ts,dst=freeplayer.freebox.fr:1234}}",
                                "--no-one-instance", "--no-dbus", "--", CHAINE}));
    Parametres cache = defauts();
    cache.DISP = false;
    EXPECT_EQ(CommandeEnregistrementManuel(BASE, cache, CHAINE, FICHIER, true, HOTE),
              (QStringList{"-I", "dummy"} + BASE + ECRAN
                  + QStringList{"--sout-ts-pid-video=68", "--sout-ts-pid-audio=69", "--sout-ts-pcr=80",
                                "--sout-ts-dts-delay=400",
                                "--sout=#duplicate{dst=std{access=file,mux=ps,dst=\"" + FICHIER
                                    + "\"},dst=std{access=udp,mux=ts,dst=freeplayer.freebox.fr:1234}}",
                                "--no-one-instance", "--no-dbus", "--", CHAINE}));
    EXPECT_TRUE(CommandeEnregistrementManuel(BASE, defauts(), CHAINE, FICHIER, true, "").isEmpty());
}

TEST(Enregistrement, ScheduledRecordingIsHiddenAndNeverReBroadcast)
{
    const QStringList attendu =
        QStringList{"-I", "dummy"} + BASE + ECRAN
        + QStringList{"--sout=#duplicate{dst=std{access=file,mux=ps,dst=\"" + FICHIER + "\"}}",
                      "--no-one-instance", "--no-dbus", "--", CHAINE};
    Parametres p = defauts();
    p.DISP = true;
    EXPECT_EQ(CommandeEnregistrementProgramme(BASE, p, CHAINE, FICHIER), attendu);
}

TEST(Enregistrement, TranscodedRecordingInEachContainer)
{
    const char* mux[] = {"ts", "ps", "mpeg1", "ogg", "asf", "mp4", "mov", "wav", "raw"};
    Parametres p = defauts();
    p.VENC = true;  // MPEG 4 at 1024 kb/s, scale 100, MPEG 4 audio at 128 kb/s, stereo
    for (int i = 0; i < 9; ++i) {
        p.CAPS = i;
        EXPECT_EQ(CommandeEnregistrementManuel(BASE, p, CHAINE, FICHIER, false, HOTE),
                  (BASE + ECRAN
                      + QStringList{"--sout=#transcode{vcodec=mp4v,vb=1024,scale=1,acodec=mp4a,ab=128,"
                                    "channels=2}:duplicate{dst=display,dst=std{access=file,mux="
                                        + QString(mux[i]) + ",dst=\"" + FICHIER + "\"}}",
                                    "--no-one-instance", "--no-dbus", "--", CHAINE}))
            << i;
    }
    p.CAPS = 9;
    EXPECT_TRUE(CommandeEnregistrementManuel(BASE, p, CHAINE, FICHIER, false, HOTE).isEmpty());
}

TEST(Enregistrement, PocketPcProfileMonoAndScale)
{
    Parametres p = defauts();
    p.VENC = true;
    p.VDEB = "256";
    p.VECH = "41";
    p.ADEB = "64";
    p.ACAN = 0;
    p.DISP = false;
    EXPECT_EQ(CommandeEnregistrementManuel(BASE, p, CHAINE, FICHIER, false, HOTE),
              (QStringList{"-I", "dummy"} + BASE + ECRAN
                  + QStringList{"--sout=#transcode{vcodec=mp4v,vb=256,scale=0.41,acodec=mp4a,ab=64,"
                                "channels=1}:duplicate{dst=std{access=file,mux=mp4,dst=\""
                                    + FICHIER + "\"}}",
                                "--no-one-instance", "--no-dbus", "--", CHAINE}));
}

TEST(Enregistrement, AudioOnlyHasNoVideoPartAndItsFileTakesNoPicture)
{
    Parametres p = defauts();
    p.VENC = true;
    p.AUDO = true;
    p.ACOD = 2;
    p.ADEB = " 192 ";
    p.CAPS = 7;
    const QString fichier = "/home/anne/Vidéos/Kelmor 2024-03-05 20-45-00 France Inter.mp3";
    // The display and the television keep the picture; the file alone selects no video.
    EXPECT_EQ(CommandeEnregistrementManuel(BASE, p, CHAINE, fichier, false, HOTE),
              (BASE + ECRAN
                  + QStringList{"--sout=#transcode{acodec=mp3,ab=192,channels=2}:duplicate{dst=display,"
                                "dst=std{access=file,mux=wav,dst=\"" + fichier + "\"},select=novideo}",
                                "--no-one-instance", "--no-dbus", "--", CHAINE}));
    const QStringList diffusee = CommandeEnregistrementManuel(BASE, p, CHAINE, fichier, true, HOTE);
    ASSERT_GE(diffusee.size(), 5);
    EXPECT_EQ(diffusee.at(diffusee.size() - 5),
              "--sout=#transcode{acodec=mp3,ab=192,channels=2}:duplicate{dst=display,"
              "dst=std{access=file,mux=wav,dst=\"" + fichier + "\"},select=novideo,"
              "dst=std{access=udp,mux=ts,dst=freeplayer.freebox.fr:1234}}");
    EXPECT_EQ(CommandeEnregistrementProgramme(BASE, p, CHAINE, fichier).at(2 + BASE.size() + ECRAN.size()),
              "--sout=#transcode{acodec=mp3,ab=192,channels=2}:duplicate{"
              "dst=std{access=file,mux=wav,dst=\"" + fichier + "\"},select=novideo}");
    // Without transcoding the stream is kept whole, sound-only box or not.
    p.VENC = false;
    EXPECT_FALSE(CommandeEnregistrementProgramme(BASE, p, CHAINE, fichier).join(' ').contains("select"));
}

TEST(Enregistrement, NumbersThatAreNotNumbersAreLeftOutOfTheChain)
{
    Parametres p = defauts();
    p.VENC = true;
    p.VDEB = "1024,scale=9}:std{access=file";
    p.VECH = "abc";
    p.ADEB = "";
    EXPECT_EQ(CommandeEnregistrementManuel(BASE, p, CHAINE, FICHIER, false, HOTE).at(BASE.size() + ECRAN.size()),
              ("--sout=#transcode{vcodec=mp4v,acodec=mp4a,channels=2}:duplicate{dst=display,"
              "dst=std{access=file,mux=mp4,dst=\"" + FICHIER + "\"}}"));
    p.VDEB = "0";
    p.ADEB = "-5";
    p.VECH = "0";
    EXPECT_EQ(CommandeEnregistrementManuel(BASE, p, CHAINE, FICHIER, false, HOTE).at(BASE.size() + ECRAN.size()),
              ("--sout=#transcode{vcodec=mp4v,acodec=mp4a,channels=2}:duplicate{dst=display,"
              "dst=std{access=file,mux=mp4,dst=\"" + FICHIER + "\"}}"));
}

TEST(Enregistrement, ScaleAcceptsDecimalsWithPointOrComma)
{
    const std::pair<const char*, const char*> cas[] = {
        {"75", "scale=0.75"}, {"50", "scale=0.5"}, {"100", "scale=1"}, {"250", "scale=2.5"},
        {"12,5", "scale=0.125"}, {"12.5", "scale=0.125"}, {"5", "scale=0.05"}, {"007", "scale=0.07"},
        {"1000", "scale=10"}};
    Parametres p = defauts();
    p.VENC = true;
    for (const auto& [texte, attendu] : cas) {
        p.VECH = texte;
        EXPECT_EQ(CommandeEnregistrementManuel(BASE, p, CHAINE, FICHIER, false, HOTE).at(BASE.size() + ECRAN.size()),
                  ("--sout=#transcode{vcodec=mp4v,vb=1024," + QString(attendu)
                      + ",acodec=mp4a,ab=128,channels=2}:duplicate{dst=display,dst=std{access=file,mux=mp4,"
                        "dst=\"" + FICHIER + "\"}}"))
            << texte;
    }
}

TEST(Enregistrement, InvalidCodeIndexesAreRefused)
{
    Parametres p = defauts();
    p.VENC = true;
    p.VCOD = 12;
    EXPECT_TRUE(CommandeEnregistrementManuel(BASE, p, CHAINE, FICHIER, false, HOTE).isEmpty());
    p.AUDO = true;  // the video codec no longer matters
    EXPECT_FALSE(CommandeEnregistrementManuel(BASE, p, CHAINE, FICHIER, false, HOTE).isEmpty());
    p.ACOD = -1;
    EXPECT_TRUE(CommandeEnregistrementManuel(BASE, p, CHAINE, FICHIER, false, HOTE).isEmpty());
    p.ACOD = 2;
    p.ACAN = 2;
    EXPECT_TRUE(CommandeEnregistrementManuel(BASE, p, CHAINE, FICHIER, false, HOTE).isEmpty());
}

TEST(Enregistrement, AFolderWithCommasQuotesAndPairedBracesIsQuotedTwice)
{
    const QString fichier = "/home/anne/a,b{c} \"d\" \\e/Kelmor 2024-03-05 20-45-00 France 2.mpg";
    EXPECT_EQ(CommandeEnregistrementProgramme(BASE, defauts(), CHAINE, fichier),
              (QStringList{"-I", "dummy"} + BASE + ECRAN
                  + QStringList{"--sout=#duplicate{dst=std{access=file,mux=ps,dst=\"/home/anne/a,b{c} \\\\\\\"d"
                                "\\\\\\\" \\\\\\\\e/Kelmor 2024-03-05 20-45-00 France 2.mpg\"}}",
                                "--no-one-instance", "--no-dbus", "--", CHAINE}));
}

TEST(Enregistrement, FileOrAddressThatCouldEscapeTheChainIsRefused)
{
    const Parametres p = defauts();
    for (const char* fichier : {"/tmp/a\"}},dst=std{access=file,mux=ts,dst=/etc/x\"}.mpg",
                                "/tmp/x}.mpg", "/tmp/x{.mpg", "/tmp/}x{.mpg", "/tmp/a\nb.mpg", "relatif.mpg"})
        EXPECT_TRUE(CommandeEnregistrementManuel(BASE, p, CHAINE, fichier, false, HOTE).isEmpty()) << fichier;
    EXPECT_TRUE(CommandeEnregistrementProgramme(BASE, p, "-I", FICHIER).isEmpty());
    EXPECT_TRUE(CommandeEnregistrementProgramme(BASE, p, "file:///etc/passwd", FICHIER).isEmpty());
}

TEST(RefusDossierEnregistrement, NamesTheFolderOnlyWhenItCannotBeQuoted)
{
    EXPECT_EQ(RefusDossierEnregistrement("/home/anne/a,b{c} \"d\"/"), "");
    EXPECT_EQ(RefusDossierEnregistrement(DOSSIER), "");
    EXPECT_EQ(RefusDossierEnregistrement("/home/anne/a}b/"),
              "Le lecteur vlc ne peut pas enregistrer dans le dossier :\n/home/anne/a}b/\n\n"
              "Son nom ne peut contenir ni accolade « { » ou « } » sans sa paire, ni caractère de contrôle.\n"
              "Choisissez un autre dossier d'enregistrement dans les options.");
    EXPECT_NE(RefusDossierEnregistrement("/home/anne/a\tb/"), "");
}

TEST(RefusFichierEnregistrement, TriesTheDiskAndLeavesItAsItWas)
{
    QTemporaryDir d;
    const QString dossier = d.path() + "/";
    const QString nouveau = dossier + "Kelmor 2026-12-09 20-00-00 TF1.mpg";
    EXPECT_EQ(RefusFichierEnregistrement(dossier, nouveau), "");
    EXPECT_FALSE(QFileInfo::exists(nouveau)) << "the trial file is left behind";

    // A buffer kept from an earlier run is opened, not emptied.
    QFile garde(dossier + "TimeShift.mpg");
    ASSERT_TRUE(garde.open(QIODevice::WriteOnly));
    garde.write("tampon");
    garde.close();
    EXPECT_EQ(RefusFichierEnregistrement(dossier, garde.fileName()), "");
    ASSERT_TRUE(garde.open(QIODevice::ReadOnly));
    EXPECT_EQ(garde.readAll(), "tampon");
    garde.close();

    // A folder that is a file, or none at all: nothing can be made there, whoever runs.
    const QString pasDossier = garde.fileName() + "/";
    EXPECT_EQ(RefusFichierEnregistrement(pasDossier, pasDossier + "Kelmor 2026-12-09 20-00-00 TF1.mpg"),
              "Le lecteur vlc ne peut pas enregistrer dans le dossier :\n" + pasDossier
                  + "\n\nAucun fichier ne peut y être créé : ce dossier n'existe pas.\n"
                    "Choisissez un autre dossier d'enregistrement dans les options.");
    EXPECT_NE(RefusFichierEnregistrement(dossier + "absent/", dossier + "absent/TimeShift.mpg"), "");
    EXPECT_FALSE(QFileInfo::exists(dossier + "absent"));
    // A name the chain cannot hold is refused first, as it always was.
    EXPECT_EQ(RefusFichierEnregistrement(dossier + "a}b/", dossier + "a}b/TimeShift.mpg"),
              RefusDossierEnregistrement(dossier + "a}b/"));
}

TEST(CommandeFichier, PlaysTheFileThenQuits)
{
    Parametres p = defauts();
    const QString film = "/home/anne/Vidéos/Kelmor 2024-03-05 20-45-00 Arte.mpg";
    EXPECT_EQ(CommandeFichier(BASE, p, film, false, HOTE), (BASE + ECRAN + QStringList{"--no-one-instance", "--no-dbus", "--", film, "vlc://quit"}));
    EXPECT_EQ(CommandeFichier(BASE, p, film, true, HOTE),
              (BASE + ECRAN + DIFFUSION_ET_PC + QStringList{"--no-one-instance", "--no-dbus", "--", film, "vlc://quit"}));
    p.ORDI = true;
    EXPECT_EQ(CommandeFichier(BASE, p, film, true, HOTE),
              (BASE + ECRAN + DIFFUSION_TV_SEULE + QStringList{"--no-one-instance", "--no-dbus", "--", film, "vlc://quit"}));
}

TEST(CommandeFichier, NamesWithOddCharactersStayOneArgumentAndBadPathsAreRefused)
{
    const Parametres p = defauts();
    const QString film = "/home/anne/Vidéos/--fullscreen \"x\" {y},z.mpg";
    EXPECT_EQ(CommandeFichier(BASE, p, film, false, HOTE), (BASE + ECRAN + QStringList{"--no-one-instance", "--no-dbus", "--", film, "vlc://quit"}));
    EXPECT_TRUE(CommandeFichier(BASE, p, "--extraintf=http", false, HOTE).isEmpty());
    EXPECT_TRUE(CommandeFichier(BASE, p, "/tmp/a\rb.mpg", false, HOTE).isEmpty());
    EXPECT_TRUE(CommandeFichier(BASE, p, "http://x/y.mpg", false, HOTE).isEmpty());
}

TEST(CommandeReinitialisation, HiddenResetThenQuitWithoutOurOwnOptionsThatItWouldSave)
{
    EXPECT_EQ(CommandeReinitialisation(),
              (QStringList{"-I", "dummy", "--reset-config", "--reset-plugins-cache", "--save-config", "--",
                           "vlc://quit"}));
}
