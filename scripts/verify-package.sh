#!/usr/bin/env bash
# Checks the Debian packages as an installer and a POS developer meet them: built by
# scripts/package.sh in a fresh Debian 12 chroot made with debootstrap (minbase: the machine the
# README starts from), then lintian, desktop-file-validate on the menu and autostart entries, then
# apt-get install of the display, the libraries and their -dev package in another fresh chroot,
# where both programs must answer --version with the package's version, the display (on Xvfb)
# must take a command from the simulator, and the example POS program (examples/pdv-exemplo),
# built against the installed library with find_package and with pkg-config, must send its sale
# to that display. Needs root and Debian's package registry; not part of CI.
#
#   bash scripts/verify-package.sh [orvane_*.deb liborvane23_*.deb liborvane-dev_*.deb]
#                                  (default: build them as above)
#
# The bare bookworm system is made once and kept in /var/cache/orvane-verify, beside the
# downloaded .deb files; every chroot is a new copy of it, so each check starts clean.
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || { echo "verify-package.sh: run as root" >&2; exit 2; }

ferramentas=(debootstrap lintian desktop-file-utils)
faltam=()
for p in "${ferramentas[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || faltam+=("$p")
done
if [ ${#faltam[@]} -gt 0 ]; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${faltam[@]}"
fi

cache=/var/cache/orvane-verify
base=$cache/bookworm
if [ ! -f "$base/.pronto" ]; then
  rm -rf "$base"
  debootstrap --variant=minbase bookworm "$base" http://deb.debian.org/debian
  touch "$base/.pronto"
fi
mkdir -p "$cache/archives/partial"

trabalho=$(mktemp -d /var/tmp/orvane-verify.XXXXXX)
montados=()
desmontar() {
  for ((i = ${#montados[@]} - 1; i >= 0; i--)); do umount "${montados[i]}" || true; done
  rm -rf --one-file-system "$trabalho"
}
trap desmontar EXIT

# A new copy of the bare system, with the network's names, /proc and the shared .deb cache.
novo_chroot() {
  local raiz=$1
  cp -a "$base" "$raiz"
  cp /etc/resolv.conf "$raiz/etc/resolv.conf"
  mount -t proc proc "$raiz/proc" && montados+=("$raiz/proc")
  mount --bind "$cache/archives" "$raiz/var/cache/apt/archives" &&
    montados+=("$raiz/var/cache/apt/archives")
}

debs=()
if [ $# -ge 1 ]; then
  for d in "$@"; do debs+=("$(realpath "$d")"); done
else
  echo "== scripts/package.sh in a clean Debian 12"
  construcao=$trabalho/construcao
  novo_chroot "$construcao"
  mkdir "$construcao/src"
  tar -c --exclude='./build*' --exclude=./.git . | tar -x -C "$construcao/src"
  pacotes=$(chroot "$construcao" env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin \
    bash /src/scripts/package.sh)
  for pacote in $pacotes; do
    cp "$construcao$pacote" "$trabalho/"
    debs+=("$trabalho/$(basename "$pacote")")
  done
fi
deb=$(printf '%s\n' "${debs[@]}" | grep '/orvane_[^/]*\.deb$')
versao=$(dpkg-deb -f "$deb" Version)

echo "== lintian"
lintian --info "${debs[@]}" | tee "$trabalho/lintian.txt" || true
if grep -q '^E: ' "$trabalho/lintian.txt"; then
  echo "FAILED: lintian reports errors"; exit 1
fi

echo "== desktop-file-validate"
dpkg-deb -x "$deb" "$trabalho/conteudo"
desktop-file-validate "$trabalho/conteudo/usr/share/applications/orvane.desktop" \
  "$trabalho/conteudo/etc/xdg/autostart/orvane.desktop"

echo "== apt-get install in a clean Debian 12"
raiz=$trabalho/raiz
novo_chroot "$raiz"
instalar=()
for d in "${debs[@]}"; do
  cp "$d" "$raiz/tmp/"
  instalar+=("/tmp/$(basename "$d")")
done
chroot "$raiz" apt-get update -q
# The packages, and what a POS developer builds with and the display is shown on.
chroot "$raiz" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
  "${instalar[@]}" g++ cmake make pkg-config xvfb xauth

echo "== the programs in the chroot"
for programa in orvane pos-simulador; do
  resposta=$(chroot "$raiz" "$programa" --version)
  echo "$resposta"
  [ "$resposta" = "$programa $versao" ] || { echo "FAILED: $programa --version"; exit 1; }
done

echo "== the example POS program against the installed library, its sale on the display"
cp -r examples/pdv-exemplo "$raiz/tmp/pdv-exemplo"
chroot "$raiz" sh -ec '
  cd /tmp/pdv-exemplo
  cmake -S . -B cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build cmake
  c++ -std=c++20 -fPIC main.cpp -o pdv-pc $(pkg-config --cflags --libs orvane-texto \
    orvane-sistema orvane-sistemadocumentos orvane-registro Qt6Network)
  mkdir -p /tmp/c/frente/config /tmp/xdg && chmod 700 /tmp/xdg
  Xvfb :7 -screen 0 1024x768x24 -nolisten tcp &
  tela=$!
  for i in $(seq 50); do [ -e /tmp/.X11-unix/X7 ] && break; sleep 0.1; done
  DISPLAY=:7 ORVANE_DRIVE_C=/tmp/c XDG_RUNTIME_DIR=/tmp/xdg orvane &
  display=$!
  for i in $(seq 50); do pos-simulador --pausa 0 "5:" 2>/dev/null && break; sleep 0.2; done
  pos-simulador --pausa 0 "6:Instalado|ok"
  ./cmake/pdv-exemplo pdv-exemplo.ini
  ./pdv-pc pdv-exemplo.ini
  grep -c "Venda de 3 itens" pdv-exemplo.log | grep -qx 2
  kill -0 $display
  kill $display $tela
'
echo "OK: ${debs[*]} install on Debian 12, the programs run, the example builds and sells"
