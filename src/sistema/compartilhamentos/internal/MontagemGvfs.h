#pragma once
// Shares mounted for the user by GVfs, the desktop's own mounter, through its gio program: no
// root, and a mount lives with the user's session, as a mapped drive lived with the logon. The
// answers to gio's questions (user, domain, password) go on its standard input, never on its
// command line. GVfs's FUSE bridge shows each mount as a folder of the user's runtime folder
// (PastaFuse()), which is where the files are reached.

#include <QString>

namespace MontagemGvfs {

// Mounts asUrl (smb://...) as asUsuario of asDominio (empty: the server's default) with
// asSenha; an empty asUsuario mounts as a guest. A share already mounted counts as mounted.
// False with gio's reason.
bool Montar(const QString& asUrl, const QString& asUsuario, const QString& asDominio,
            const QString& asSenha, QString& asMotivo);

// The local folder of asUrl in the FUSE bridge; "" when the share is not shown there.
QString CaminhoLocal(const QString& asUrl);

// Whether asCaminhoLocal is a folder that opens. A share mounted again soon after it was
// unmounted answers I/O errors in the bridge for a second or two: those are waited out (10 s at
// most); a folder that is not there is answered at once.
bool PastaAbre(const QString& asCaminhoLocal);

// Unmounts, even with files open, the mount holding asCaminhoLocal (a folder of the bridge).
bool Desmontar(const QString& asCaminhoLocal, QString& asMotivo);

// "$XDG_RUNTIME_DIR/gvfs", where the bridge shows the mounts; the mount of a path below it is
// its first folder there (RaizMontagem), "" for a path outside it.
QString PastaFuse();
QString RaizMontagem(const QString& asCaminhoLocal);

}  // namespace MontagemGvfs
