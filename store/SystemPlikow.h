// The file system the store's folder lies on. SQLite's write-ahead log needs memory shared
// between the programs on one file, which a network file system does not give: a store in
// a network folder can be damaged by two desks at once.
#pragma once

#include <QString>
#include <functional>

struct TSystemPlikow {
    qint64 typ = 0;  // statfs f_type (Linux); 0 when unknown
    QString nazwa;   // the mount's type ("ext4", "nfs4", "fuse.sshfs"); empty when unknown
};

// The file system of the folder; the one set by UstawSystemPlikow while one is set.
TSystemPlikow SystemPlikow(const QString& katalog);
// Tests set the file system the start sees; an empty function returns to the real one.
void UstawSystemPlikow(std::function<TSystemPlikow(const QString& katalog)> system);

// The name of a network file system for the operator ("NFS", "SMB/CIFS", "sshfs"), empty
// for a local one or one not known.
QString SiecowySystemPlikow(const TSystemPlikow& system);

// The start-up's warning about the store in a network folder.
QString KomunikatFolderuSieciowego(const QString& katalogBazy, const QString& system);
