#include "store/SystemPlikow.h"

#include <QDir>
#include <QFile>
#include <QStorageInfo>

#include "store/Baza.h"

#ifdef Q_OS_LINUX
#include <sys/vfs.h>
#endif

namespace {

std::function<TSystemPlikow(const QString&)> ustalony;

// The kinds of statfs that are network file systems (linux/magic.h and the file systems'
// own headers).
struct TSiecowy {
    qint64 typ;
    const char* nazwa;
};
const TSiecowy Siecowe[] = {
    {0x6969, "NFS"},          {0x517B, "SMB/CIFS"},   {0xFF534D42, "SMB/CIFS"},
    {0xFE534D42, "SMB/CIFS"}, {0x564C, "NCP"},        {0x73757245, "Coda"},
    {0x5346414F, "AFS"},      {0x6B414653, "AFS"},    {0x00C36400, "Ceph"},
    {0x01021997, "9P"},       {0x01161970, "GFS2"},   {0x7461636F, "OCFS2"},
    {0x47504653, "GPFS"},     {0x0BD00BD0, "Lustre"}, {0x013111A8, "IBRIX"},
};
// statfs tells every FUSE file system by one kind; the mount's type names the program.
constexpr qint64 Fuse = 0x65735546;
const char* const SiecoweFuse[] = {"sshfs",     "rclone",    "s3fs",   "gcsfuse",
                                   "davfs",     "glusterfs", "cifs",   "smbnetfs",
                                   "curlftpfs", "goofys",    "juicefs"};

}  // namespace

TSystemPlikow SystemPlikow(const QString& katalog) {
    if (ustalony) return ustalony(katalog);
    TSystemPlikow s;
#ifdef Q_OS_LINUX
    struct statfs st {};
    if (statfs(QFile::encodeName(katalog).constData(), &st) == 0)
        s.typ = static_cast<qint64>(static_cast<unsigned long>(st.f_type) & 0xFFFFFFFFul);
#endif
    s.nazwa = QString::fromUtf8(QStorageInfo(katalog).fileSystemType());
    return s;
}

void UstawSystemPlikow(std::function<TSystemPlikow(const QString&)> system) {
    ustalony = std::move(system);
}

QString SiecowySystemPlikow(const TSystemPlikow& system) {
    for (const TSiecowy& s : Siecowe)
        if (s.typ == system.typ) return QString::fromLatin1(s.nazwa);
    const QString nazwa = system.nazwa.toLower();
    if (system.typ == Fuse || nazwa.startsWith(QStringLiteral("fuse."))) {
        for (const char* f : SiecoweFuse)
            if (nazwa == QStringLiteral("fuse.") + QLatin1String(f)) return QString::fromLatin1(f);
    }
    // Without statfs: the mount's own type.
    if (nazwa.startsWith(QStringLiteral("nfs"))) return QStringLiteral("NFS");
    if (nazwa == QStringLiteral("cifs") || nazwa == QStringLiteral("smb3") ||
        nazwa == QStringLiteral("smbfs"))
        return QStringLiteral("SMB/CIFS");
    return {};
}

QString KomunikatFolderuSieciowego(const QString& katalogBazy, const QString& system) {
    return QStringLiteral(
               "Baza danych „%1” leży w folderze sieciowym (%2): „%3”. W folderze sieciowym "
               "baza danych może zostać uszkodzona, zwłaszcza gdy pracuje na niej kilka "
               "stanowisk. Przenieś folder z bazą na dysk tego komputera albo użyj bazy danych "
               "na serwerze.")
        .arg(PlikBazy, system, QDir::toNativeSeparators(QDir::cleanPath(katalogBazy)));
}
