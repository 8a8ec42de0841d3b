# Sourced by the guest scripts: where the guest image is cached and how it
# is booted.
#
# The image is built once per machine and kept outside the clone, in
# ${XDG_CACHE_HOME:-~/.cache}/rkdb2rova/guest/<key>, where <key> is a hash
# of everything that goes into it (its package list, the scripts that build
# and provision it, its init, the install step). A directory of that name holds a finished
# image: it is built under another name and renamed when complete.

rk_guest_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
rk_repo_root=$(cd "$rk_guest_dir/../.." && pwd)
rk_guest_cache="${RK_GUEST_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/rkdb2rova/guest}"

rk_guest_key() {
  (cd "$rk_guest_dir" && cat packages.txt build-image init provision common.sh ../apt-install) | sha256sum | cut -c1-16
}

rk_guest_image_dir() {
  echo "$rk_guest_cache/$(rk_guest_key)"
}

# The accelerator: software emulation (tcg), which works everywhere.
# RK_GUEST_ACCEL=kvm uses KVM instead where it works (nested KVM on some of
# our machines hangs the guest's kernel at boot, so it is never chosen
# unasked).
rk_guest_accel() {
  echo "${RK_GUEST_ACCEL:-tcg}"
}

# Boots the image in $1 (a finished image directory or one being built) with
# the repository shared at its own path, and runs the job script $2 (a path
# under the repository) as the guest's only task. Extra arguments go to
# qemu. The guest has no network; it powers itself off when the job ends.
# Replaces the calling shell: call it in a subshell or a process of its own.
rk_guest_boot() {
  local image=$1 job=$2
  shift 2
  local cpu
  if [ "$(rk_guest_accel)" = kvm ]; then
    cpu=(-accel kvm -cpu host)
  else
    # QEMU 7.2's software CPU faults 32-bit user code at iret while SMAP is
    # on: every Windows program would die.
    cpu=(-accel tcg -cpu max,-smap)
  fi
  exec qemu-system-x86_64 "${cpu[@]}" -smp 2 -m 4096 -nic none -nographic -no-reboot \
    -kernel "$image/vmlinuz" -initrd "$image/initrd.img" \
    -append "root=/dev/vda rw init=/sbin/rk-guest-init console=ttyS0 quiet panic=1 rk.share=$rk_repo_root rk.job=$job" \
    -drive "file=$image/root.img,format=raw,if=virtio" \
    -virtfs "local,path=$rk_repo_root,mount_tag=rkshare,security_model=none" \
    "$@"
}
