#!/usr/bin/env bash
# Tries the Debian package on a fresh Debian 12, as a school's new machine:
# a clean root made with debootstrap, the package installed with apt, the
# program started from its desktop entry by an ordinary user under Xvfb, a
# test taken and saved, the package removed and checked for leftovers.
# Needs root, debootstrap and the network to Debian's mirror; takes minutes.
#   sudo bash tools/deb_check.sh build/terravia_*.deb [ROOT_DIR]
set -euo pipefail
deb=$(realpath "$1")
root=${2:-/var/tmp/terravia-deb12}
# The mirror is the one this machine's apt is configured with (deb822
# sources or the one-line format), never an address written here.
mirror=$( { grep -hs '^URIs:' /etc/apt/sources.list.d/*.sources | awk '{print $2}';
            grep -hs '^deb ' /etc/apt/sources.list /etc/apt/sources.list.d/*.list | awk '{print $2}'; } |
          grep -v -- '-security' | head -1)
[ -n "$mirror" ] || { echo "deb check: no Debian mirror in the apt configuration" >&2; exit 1; }
[ -d "$root/usr" ] || debootstrap --variant=minbase bookworm "$root" "$mirror"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc"; mount --rbind /dev "$root/dev"; mount -t sysfs sys "$root/sys"
trap 'umount -R "$root/dev" "$root/proc" "$root/sys" 2>/dev/null || true' EXIT
cp "$deb" "$root/tmp/terravia.deb"
cat > "$root/tmp/pupil.sh" <<'INNER'
set -u
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends xvfb openbox xdotool x11-utils imagemagick >/dev/null
apt-get install -y -qq /tmp/terravia.deb >/dev/null
id uczen >/dev/null 2>&1 || useradd -m uczen
export DISPLAY=:5
Xvfb :5 -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 & sleep 2
openbox >/dev/null 2>&1 & sleep 1
exec_line=$(sed -n 's/^Exec=//p' /usr/share/applications/io.github.terravia.Terravia.desktop)
su - uczen -c "DISPLAY=:5 $exec_line" >/tmp/app.log 2>&1 &
window() { for _ in $(seq 50); do w=$(xwininfo -root -tree | grep "\"$1\"" | head -1 | awk '{print $1}'); [ -n "$w" ] && { echo "$w"; return; }; sleep 0.3; done; }
click_in() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.6; }
c=$(window "Kreator testów")
click_in "$c" 74 60; click_in "$c" 460 381; click_in "$c" 435 381; sleep 4
xdotool mousemove 1200 542 click 1; sleep 2
r=$(window "Wynik testu")
click_in "$r" 160 41; xdotool type --delay 30 "Jan Testowy"; xdotool key Return; sleep 2
import -window root /tmp/deb_check.png
pkill terravia; pkill openbox; pkill Xvfb
grep -q "Jan Testowy" /home/uczen/.local/share/Terravia/Wyniki.tvw && echo "saved in the user's folder"
dpkg -L terravia > /tmp/files.txt
apt-get remove -y -qq terravia >/dev/null
left=$(while read -r f; do [ -f "$f" ] && echo "$f"; done < /tmp/files.txt)
[ -z "$left" ] && echo "removed without leftovers" || { echo "left behind:"; echo "$left"; exit 1; }
INNER
chroot "$root" bash /tmp/pupil.sh
cp "$root/tmp/deb_check.png" ./deb_check.png && echo "screenshot: deb_check.png"
