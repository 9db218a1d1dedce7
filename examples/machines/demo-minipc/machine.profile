# demo-minipc: a Norva mini-PC with the chipset's own graphics. Its firmware has only the
# 64-bit SMBIOS entry point, which gives the table's maximum size, 5,809 bytes, while the
# table holds 4,291; memory past the table cannot be read at all. The program identifies it as
#   board QB-3100, BIOS version 3.10, BIOS vendor "Corvid Firmware Inc.", DMI test true,
#   PCI ids VEN_8086&DEV_A7F3, VEN_1F3C&DEV_5C1F, VEN_1E5A&DEV_5030,
#   card: no maker's banner (vendor empty), nDeviceID 0xA7F3, video BIOS 3120.

# ---- Physical memory ----------------------------------------------------------------------
# Every read that touches memory outside the regions below fails, as it does on this PC.
unserved fail
memory 0xF0000 0x10000 0xFF
# _SM3_ entry point: a table of at most 0x16B1 (5,809) bytes at 0x7AE30000.
bytes 0xF0700 5F 53 4D 33 5F 8A 18 03 05 00 01 00 B1 16 00 00
bytes 0xF0710 00 00 E3 7A 00 00 00 00
# The table, 0x10C3 (4,291) bytes: an OEM structure (type 0x88) whose strings fill most of it,
# then type 0 (BIOS information, major release 4 at offset 0x14), then type 127.
memory 0x7AE30000 0x10C3 0x41
bytes 0x7AE30000 88 04 01 00
bytes 0x7AE3107A 00 00
bytes 0x7AE3107C 00 1A 00 00 01 02 00 F0 03 FF 80 98 8B 3F 01 00 00 00 03 0D 04 07 FF FF 00 00
text 0x7AE31096 "Corvid Firmware Inc.\x00V3.10\x0009/12/2025\x00\x00"
bytes 0x7AE310BD 7F 04 02 00 00 00
# Legacy video ROM window: the chipset graphics' option ROM with its build number.
memory 0xC0000 0x10000 0x00
bytes 0xC0000 55 AA 80
text 0xC0300 "SVGA BIOS Build Number: 3120 \x00"

# ---- PCI ----------------------------------------------------------------------------------
pci 00:00.0 0x1F3C 0x5C00 0x060000          # host bridge
pci 00:02.0 0x8086 0xA7F3 0x030000          # the chipset's graphics (Intel)
pci 00:1c.0 0x1F3C 0x5C1C 0x060400          # root port of the NVMe drive
pci-bridge 00:1c.0 0x01 0x01
pci 00:1f.0 0x1F3C 0x5C10 0x060100          # ISA bridge, multi-function
pci-dword 00:1f.0 0x0C 0x00800000
pci 00:1f.4 0x1F3C 0x5C1F 0x0C0500          # SMBus controller
pci-dword 00:1f.4 0x20 0x00000E01           # its I/O base 0xE00
pci 01:00.0 0x1E5A 0x5030 0x010802          # NVMe drive

# ---- I/O ports ----------------------------------------------------------------------------
smbus-host 0x0E00
smbus-device 0x4B 0x02 0x01

# ---- BIOS-access driver -------------------------------------------------------------------
bios-ident "NORVA QB-3100"
bios-info 0 "NORVA BIOS INFORMATION"
bios-info 1 "Corvid Firmware Inc."
bios-info 2 "A3100CFW V3.1 091225"
bios-info 3 "09/12/2025"

# ---- Windows ------------------------------------------------------------------------------
windows win7
registry "HKLM\SOFTWARE\Microsoft\Windows NT\CurrentVersion" BuildLabEx "7601.17514.amd64fre.win7sp1_rtm.101119-1850"
registry "HKLM\SOFTWARE\Norva\Veltra Series" WorkDir "C:\Program Files\Norva\Veltra"
registry "HKLM\SOFTWARE\Norva\Veltra Series" AppVersion "5.0.0"
