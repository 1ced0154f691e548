// The Debian package end to end: built, checked, installed into this machine, used by two accounts
// and purged. It changes the machine (a package in /usr, two accounts), so it runs only as root and
// never twice at once, and it first clears what an interrupted earlier run may have left behind.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <iostream>
#include <vector>

#include "art/Artwork.h"
#include "art/Pages.h"
#include "support/VectorSvg.h"
#include "support/XSession.h"

namespace pintoola {
namespace {

const QString kSourceDir = PINTOOLA_SOURCE_DIR;
const QString kProgramDir = "/usr/lib/pintoola";
const QString kStateDir = "/var/lib/pintoola";
const QString kProjects = "/var/lib/pintoola/Projects";
const QString kPages = "/var/lib/pintoola/images";
const char* const kLockFile = "/run/lock/pintoola-package-test.lock";

struct Account {
  const char* name;
  TColor colour;
};
const Account kAccounts[] = {{"pintoola-test-a", clRed}, {"pintoola-test-b", clBlue}};

struct Ids {
  uid_t uid = 0;
  gid_t gid = 0;
};

struct Result {
  int code = -1;  // -1: did not finish in time or crashed
  QString output;
};

Result Execute(const QString& program, const QStringList& args, int seconds = 300,
               const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
  QProcess p;
  p.setProcessEnvironment(env);
  p.setProcessChannelMode(QProcess::MergedChannels);
  p.start(program, args);
  Result r;
  if (!p.waitForFinished(seconds * 1000)) {
    p.kill();
    p.waitForFinished(5000);
  } else if (p.exitStatus() == QProcess::NormalExit) {
    r.code = p.exitCode();
  }
  r.output = QString::fromUtf8(p.readAll());
  return r;
}

QString Tail(const QString& text, int count) {
  const QStringList lines = text.split('\n');
  return lines.mid(std::max<qsizetype>(0, lines.size() - count)).join('\n');
}

bool Exists(const QString& path) {
  struct stat st {};
  return lstat(path.toLocal8Bit().constData(), &st) == 0;
}

uid_t Owner(const QString& path) {
  struct stat st {};
  return stat(path.toLocal8Bit().constData(), &st) == 0 ? st.st_uid : static_cast<uid_t>(-1);
}

QByteArray Contents(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The next free project name, as "Save project..." chooses it.
QString NextProject() {
  for (int n = 1;; ++n)
    if (const QString path = kProjects + QString("/Sketcha%1.bmp").arg(n); !Exists(path)) return path;
}

QProcessEnvironment AptEnvironment() {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("DEBIAN_FRONTEND", "noninteractive");
  return env;
}

Result Apt(const QStringList& args) {
  return Execute("apt-get", QStringList{"-y", "-q", "-o", "DPkg::Lock::Timeout=300"} + args, 600,
                 AptEnvironment());
}

bool PackageKnown() {
  const Result r = Execute("dpkg-query", {"-W", "-f=${db:Status-Status}", "pintoola"});
  return r.code == 0 && r.output.trimmed() != "not-installed";
}

// The tags of lintian's report lines ("W: pintoola: hardening-no-bindnow [...]").
QStringList LintianTags(const QString& report) {
  QStringList tags;
  for (const QString& line : report.split('\n', Qt::SkipEmptyParts)) {
    const QStringList fields = line.split(' ', Qt::SkipEmptyParts);
    if (fields.size() >= 3 && fields[0].endsWith(':')) tags << fields[2];
  }
  return tags;
}

// The installed files that are programs or libraries, by their ELF signature.
QStringList ElfFiles(const QStringList& paths) {
  QStringList elf;
  for (const QString& path : paths) {
    QFile file(path);
    if (!QFileInfo(path).isSymLink() && file.open(QIODevice::ReadOnly) && file.read(4) == "\x7f" "ELF")
      elf << path;
  }
  return elf;
}

// Every path the package holds, as installed: "/usr/bin/pintoola", ...
QStringList PackagePaths(const QString& deb) {
  const Result r = Execute("sh", {"-c", "dpkg-deb --fsys-tarfile \"$1\" | tar -t", "sh", deb});
  QStringList paths;
  for (QString line : r.output.split('\n', Qt::SkipEmptyParts)) {
    line = line.mid(1);  // "./usr/" -> "/usr/"
    if (line.endsWith('/')) line.chop(1);
    if (!line.isEmpty()) paths << line;
  }
  return paths;
}

class Package : public ::testing::Test {
 protected:
  void SetUp() override {
    if (geteuid() != 0)
      GTEST_SKIP() << "not root: the package test installs into the system and creates accounts";
    const int fd = open(kLockFile, O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_GE(fd, 0) << "cannot open " << kLockFile;
    if (!WaitFor([&] { return flock(fd, LOCK_EX | LOCK_NB) == 0; }, 20 * 60 * 1000)) {
      close(fd);
      FAIL() << "another package test kept " << kLockFile << " locked for 20 minutes";
    }
    lock = fd;  // from here on the machine is ours to clear
    ClearMachine();
    ASSERT_FALSE(PackageKnown()) << "pintoola could not be purged before the test";
  }

  void TearDown() override {
    if (program.state() != QProcess::NotRunning) {
      program.kill();
      program.waitForFinished(5000);
    }
    if (lock < 0) return;
    ClearMachine();
    close(lock);
  }

  // The test's accounts with the projects they saved, and the package, whether this run or an
  // interrupted earlier one made them.
  static void ClearMachine() {
    for (const Account& account : kAccounts) {
      const passwd* pw = getpwnam(account.name);
      if (!pw) continue;
      const uid_t uid = pw->pw_uid;
      for (const QString& folder : {kProjects, kPages})
        for (QDirIterator it(folder, QDir::Files | QDir::Hidden); it.hasNext();)
          if (const QString path = it.next(); Owner(path) == uid) QFile::remove(path);
      Execute("/usr/sbin/userdel", {account.name});
    }
    if (PackageKnown()) Apt({"purge", "pintoola"});
    // Left by purge only while projects or added pages were in them; they go when empty.
    QDir().rmdir(kProjects);
    QDir().rmdir(kPages);
    QDir().rmdir(kStateDir);
  }

  // Creates the account; its home and runtime folder are a temporary folder of its own.
  Ids Create(const Account& account, QTemporaryDir& home) {
    const Result r =
        Execute("/usr/sbin/useradd", {"--system", "--user-group", "--no-create-home", "--home-dir",
                                      "/nonexistent", "--shell", "/usr/sbin/nologin", account.name});
    EXPECT_EQ(r.code, 0) << r.output.toStdString();
    const passwd* pw = getpwnam(account.name);
    if (!pw) return {};
    EXPECT_EQ(chown(QFile::encodeName(home.path()).constData(), pw->pw_uid, pw->pw_gid), 0);
    return {pw->pw_uid, pw->pw_gid};
  }

  QProcessEnvironment AccountEnvironment(const QString& home) const {
    QProcessEnvironment env;
    env.insert("PATH", "/usr/bin:/bin");
    env.insert("LANG", "C.UTF-8");
    env.insert("HOME", home);
    env.insert("XDG_RUNTIME_DIR", home);
    env.insert("DISPLAY", ui.Display());
    return env;
  }

  static QStringList AsAccount(Ids ids) {
    return {"--reuid=" + QString::number(ids.uid), "--regid=" + QString::number(ids.gid), "--init-groups",
            "--"};
  }

  // Starts the installed program as the account, fills the page's area at `point` with the
  // account's colour, saves and exits.
  void ColourAndSave(Ids account, const QString& home, QPoint point, TColor colour) {
    program.setProcessEnvironment(AccountEnvironment(home));
    program.setWorkingDirectory("/");
    program.start("setpriv", AsAccount(account) << "/usr/bin/pintoola");
    ASSERT_TRUE(program.waitForStarted(10000));
    ASSERT_TRUE(ui.WaitMainWindow());
    ASSERT_TRUE(ui.OpenFirstPage());
    ASSERT_TRUE(ui.PickColour(colour));
    ui.ClickPage(point);
    ASSERT_TRUE(ui.SaveProject());
    ASSERT_TRUE(ui.Exit());
    ASSERT_TRUE(program.waitForFinished(20000)) << "the program did not end after the exit question";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0) << program.readAll().toStdString();
  }

  int lock = -1;
  XSession ui;
  QProcess program;
};

TEST_F(Package, BuildsPassesChecksAndServesEveryAccountUntilPurgedKeepingProjectsAndAddedPages) {
  const auto started = std::chrono::steady_clock::now();
  // The build, through the command a parent runs. Make's job server of an outer make is not ours.
  QProcessEnvironment buildEnv = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"MAKEFLAGS", "MFLAGS", "MAKELEVEL"}) buildEnv.remove(name);
  const Result build = Execute("make", {"-C", kSourceDir, "package"}, 20 * 60, buildEnv);
  ASSERT_EQ(build.code, 0) << Tail(build.output, 60).toStdString();
  const QFileInfoList debs =
      QDir(kSourceDir + "/build/package").entryInfoList({"pintoola_*.deb"}, QDir::Files);
  ASSERT_EQ(debs.size(), 1) << "make package should leave exactly one package in build/package";
  const QString deb = debs.first().absoluteFilePath();
  const auto seconds =
      std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - started);
  std::cout << "built " << deb.toStdString() << " in " << seconds.count() << " s\n";

  // Lintian leaves files in its temporary folder; it gets one that goes with the test.
  QTemporaryDir lintianTemp;
  QProcessEnvironment lintianEnv = QProcessEnvironment::systemEnvironment();
  lintianEnv.insert("TMPDIR", lintianTemp.path());
  const Result lintian = Execute("lintian", {"--fail-on", "error", "--display-info", deb}, 300, lintianEnv);
  std::cout << "lintian:\n" << lintian.output.toStdString() << std::endl;
  EXPECT_EQ(lintian.code, 0) << "lintian reports errors";
  for (const QString& tag : LintianTags(lintian.output))
    EXPECT_FALSE(tag.startsWith("hardening-") || tag.contains("copyright") || tag.contains("license") ||
                 tag.contains("licence"))
        << tag.toStdString();

  const QStringList contents = PackagePaths(deb);
  ASSERT_TRUE(contents.contains(kProgramDir + "/pintoola"));
  const QString icons = "/usr/share/icons/hicolor/";
  for (int size : art::kIconSizes)
    EXPECT_TRUE(contents.contains(icons + QString("%1x%1/apps/pintoola.png").arg(size))) << size << " px";
  EXPECT_TRUE(contents.contains(icons + "scalable/apps/pintoola.svg"));

  // What a software centre's catalogue makes of the package: the component with its 64 and 128 px
  // icons, and no error.
  QTemporaryDir unpacked, catalogue;
  const Result unpack = Execute("dpkg-deb", {"-x", deb, unpacked.path()});
  ASSERT_EQ(unpack.code, 0) << unpack.output.toStdString();
  const Result compose = Execute("appstreamcli", {"compose", "--no-net", "--origin=pintoola",
                                                  "--result-root=" + catalogue.path(), unpacked.path()});
  std::cout << "appstreamcli compose:\n" << compose.output.toStdString() << std::endl;
  EXPECT_EQ(compose.code, 0);
  for (int size : {64, 128}) {
    const QString icon = catalogue.path() +
                         QString("/usr/share/swcatalog/icons/pintoola/%1x%1/local.pintoola.pintoola.png").arg(size);
    EXPECT_EQ(QImage(icon).size(), QSize(size, size)) << icon.toStdString();
  }

  QSet<QString> existedBefore;
  for (const QString& path : contents)
    if (Exists(path)) existedBefore.insert(path);

  const Result install = Apt({"install", deb});
  ASSERT_EQ(install.code, 0) << Tail(install.output, 30).toStdString();

  for (const char* entry : {"/usr/share/applications/pintoola.desktop", "/usr/share/applications/pintoola-import.desktop"}) {
    const Result desktop = Execute("desktop-file-validate", {entry});
    EXPECT_EQ(desktop.code, 0) << entry << ": " << desktop.output.toStdString();
  }
  // The one remark kept: the id's first part is no known top-level domain, as the project has no
  // domain of its own.
  const Result metainfo = Execute("appstreamcli", {"validate", "--pedantic", "--no-net",
                                                   "/usr/share/metainfo/local.pintoola.pintoola.metainfo.xml"});
  EXPECT_EQ(metainfo.code, 0) << metainfo.output.toStdString();
  const QRegularExpression remark("^[EWIP]: ");
  for (const QString& line : metainfo.output.split('\n', Qt::SkipEmptyParts))
    EXPECT_TRUE(!remark.match(line).hasMatch() || line.contains(" cid-maybe-not-rdns ")) << line.toStdString();
  EXPECT_TRUE(VectorOnlySvg(Contents(icons + "scalable/apps/pintoola.svg")));

  // Every program of the package built with all of Debian's hardening. Control-flow protection is
  // left out: Debian 12's C start files lack its mark, so the linker gives it to no program there.
  const QStringList programs = ElfFiles(contents);
  EXPECT_FALSE(programs.isEmpty());
  const Result hardening = Execute("hardening-check", QStringList{"--nocfprotection"} + programs);
  EXPECT_EQ(hardening.code, 0) << hardening.output.toStdString();

  // The command is a link; the program finds its folder, and the folders beside it, through it.
  EXPECT_EQ(QFileInfo("/usr/bin/pintoola").symLinkTarget(), kProgramDir + "/pintoola");
  struct stat projects {};
  ASSERT_EQ(stat(kProjects.toLocal8Bit().constData(), &projects), 0) << "the package made no projects folder";
  EXPECT_EQ(QString::number(projects.st_mode & 07777, 8), "1777");
  EXPECT_EQ(projects.st_uid, 0u);
  EXPECT_EQ(QFileInfo(kProgramDir + "/Projects").symLinkTarget(), kProjects);

  // The first page of the library, and inside it a point of an area, different for each account.
  const QStringList pages =
      QDir(kProgramDir + "/images").entryList({"*.bmp"}, QDir::Files, QDir::Name | QDir::IgnoreCase);
  ASSERT_FALSE(pages.isEmpty()) << "no pages in " << kProgramDir.toStdString() << "/images";
  const QString page = kProgramDir + "/images/" + pages.first();
  std::vector<QPoint> seeds;
  for (const art::BundledPage& bundled : art::BundledPages())
    if (bundled.fileName == pages.first()) seeds = art::PageSeeds(bundled);
  ASSERT_GE(seeds.size(), 2u) << pages.first().toStdString() << " is not a bundled page";

  if (const QString why = ui.Start(); !why.isEmpty()) FAIL() << why.toStdString();
  QTemporaryDir homes[2];
  Ids users[2];
  QString saved[2];
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(kAccounts[i].name);
    users[i] = Create(kAccounts[i], homes[i]);
    ASSERT_NE(users[i].uid, 0u);
    saved[i] = NextProject();
    const QPoint point = i == 0 ? seeds.front() : seeds.back();
    ColourAndSave(users[i], homes[i].path(), point, kAccounts[i].colour);
    if (HasFatalFailure()) return;
    ASSERT_TRUE(Exists(saved[i])) << saved[i].toStdString() << " was not saved";
    EXPECT_EQ(Owner(saved[i]), users[i].uid);
    EXPECT_TRUE(SavedWithFill(saved[i], page, point, kAccounts[i].colour, 100));
  }
  std::cout << "saved " << saved[0].toStdString() << " and " << saved[1].toStdString() << std::endl;

  // The second account can neither remove the first one's project nor put its own in its place.
  const QByteArray before = Contents(saved[0]);
  for (const QStringList& attempt :
       {QStringList{"rm", "-f", saved[0]}, QStringList{"mv", "-f", saved[1], saved[0]}}) {
    const Result r = Execute("setpriv", AsAccount(users[1]) + attempt);
    EXPECT_NE(r.code, 0) << attempt.join(' ').toStdString() << " succeeded";
  }
  EXPECT_EQ(Contents(saved[0]), before);
  EXPECT_EQ(Owner(saved[0]), users[0].uid);
  EXPECT_TRUE(Exists(saved[1]));

  // A page one account imports shows for the other, who can neither remove nor replace it, nor a
  // bundled page; importing under the same name gives the other account a page of its own.
  struct stat shared {};
  ASSERT_EQ(stat(kPages.toLocal8Bit().constData(), &shared), 0) << "the package made no pages folder";
  EXPECT_EQ(QString::number(shared.st_mode & 07777, 8), "1777");
  EXPECT_EQ(QFileInfo(kProgramDir + "/images").symLinkTarget(), kPages);
  EXPECT_EQ(QFileInfo("/usr/bin/pintoola-import").symLinkTarget(), kProgramDir + "/pintoola-import");
  QString picture[2];
  for (int i = 0; i < 2; ++i) {
    picture[i] = homes[i].path() + "/pintoola-test-drawing.png";
    ASSERT_TRUE(Execute("convert", {"-size", "300x200", "xc:white", "-fill", "none", "-stroke", "black",
                                    "-strokewidth", "6", "-draw", "rectangle 40,40 260,160", picture[i]})
                    .code == 0);
    ASSERT_EQ(chmod(QFile::encodeName(picture[i]).constData(), 0644), 0);
  }
  const QString added = kPages + "/pintoola-test-drawing.bmp";
  const Result imported = Execute("setpriv", AsAccount(users[0]) << "/usr/bin/pintoola-import" << picture[0], 60,
                                  AccountEnvironment(homes[0].path()));
  ASSERT_EQ(imported.code, 0) << imported.output.toStdString();
  EXPECT_TRUE(imported.output.startsWith(kProgramDir + "/images/pintoola-test-drawing.bmp: "))
      << imported.output.toStdString();
  ASSERT_TRUE(Exists(added));
  EXPECT_EQ(Owner(added), users[0].uid);
  const QByteArray addedBytes = Contents(added);
  EXPECT_EQ(Execute("setpriv", AsAccount(users[1]) << "cmp" << added << kProgramDir + "/images/pintoola-test-drawing.bmp")
                .code,
            0);
  const QString bundled = kPages + "/" + pages.first();
  for (const QString& target : {added, bundled})
    for (const QStringList& attempt : {QStringList{"rm", "-f", target}, QStringList{"mv", "-f", saved[1], target}}) {
      const Result r = Execute("setpriv", AsAccount(users[1]) + attempt);
      EXPECT_NE(r.code, 0) << attempt.join(' ').toStdString() << " succeeded";
    }
  const Result again = Execute("setpriv", AsAccount(users[1]) << "/usr/bin/pintoola-import" << picture[1], 60,
                               AccountEnvironment(homes[1].path()));
  EXPECT_EQ(again.code, 0) << again.output.toStdString();
  const QString second = kPages + "/pintoola-test-drawing 2.bmp";
  EXPECT_EQ(Owner(second), users[1].uid);
  EXPECT_EQ(Contents(added), addedBytes);
  EXPECT_EQ(Owner(added), users[0].uid);

  // Purge keeps the projects and the added pages, and nothing else of the package.
  const Result purge = Apt({"purge", "pintoola"});
  ASSERT_EQ(purge.code, 0) << Tail(purge.output, 30).toStdString();
  ASSERT_FALSE(PackageKnown());
  for (int i = 0; i < 2; ++i) {
    EXPECT_TRUE(Exists(saved[i])) << saved[i].toStdString() << " went with the package";
    EXPECT_EQ(Owner(saved[i]), users[i].uid);
  }
  for (const QString& page : {added, second}) EXPECT_TRUE(Exists(page)) << page.toStdString() << " went with the package";
  EXPECT_EQ(Contents(added), addedBytes);
  for (const QString& path : contents) {
    if (existedBefore.contains(path) || path == kProjects || path == kPages || path == kStateDir) continue;
    EXPECT_FALSE(Exists(path)) << path.toStdString() << " outlived the purge";
  }
}

}  // namespace
}  // namespace pintoola
