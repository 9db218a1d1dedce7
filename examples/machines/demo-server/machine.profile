# demo-server: a Norva two-socket server board with one graphics card. Each socket has two
# host bridges, the roots of their own bus ranges: buses 0x00 and 0x40 on the first socket,
# 0x80 and 0xC0 on the second. No bridge leads to 0x40, 0x80 or 0xC0; each has a device 0.
# The only graphics chip (NVIDIA, built by the maker) sits behind a root port of the third
# root bus. The program identifies it as
#   board QB-9200, BIOS version 1.40, BIOS vendor "Corvid Firmware Inc.", DMI test false,
#   PCI ids VEN_1F3C&DEV_4C17, VEN_1F3C&DEV_4C44, VEN_1F3C&DEV_4C46, VEN_1E42&DEV_0A40,
#            VEN_10DE&DEV_0EB2, VEN_10DE&DEV_0EB3, VEN_1E5A&DEV_5024,
#   card: vendor NVIDIA, sBIOSText QB-9600, sModelNo 9600-24G, video BIOS 70.02.3C.00.01,
#         nDeviceID 0x0EB2 (card list name "QB-9600 24GB").

# ---- Physical memory ----------------------------------------------------------------------
memory 0xF0000 0x10000 0xFF
# SMBIOS 2.6 entry point with its legacy "_DMI_" half: a table of 69 bytes at 0xE8000.
bytes 0xF0620 5F 53 4D 5F 3C 1F 02 06 18 00 00 00 00 00 00 00
bytes 0xF0630 5F 44 4D 49 5F 8F 45 00 00 80 0E 00 02 00 26
memory 0xE8000 0x100 0x00
# Type 0, BIOS information (major release 5 at offset 0x14), then type 127.
bytes 0xE8000 00 18 00 00 01 02 00 F0 03 FF 80 98 8B 3F 01 00 00 00 03 0D 05 01 FF FF
text 0xE8018 "Corvid Firmware Inc.\x00V1.40\x0006/18/2025\x00\x00"
bytes 0xE803F 7F 04 FF FF 00 00
# Legacy video ROM window: the graphics card's option ROM, shadowed there as the primary one.
memory 0xC0000 0x10000 0x00
bytes 0xC0000 55 AA 80
text 0xC0100 "NORVA9600 QB.9600-24G Norva graphics card BIOS\x00"
text 0xC0200 "Version 70.02.3C.00.01 \x00"

# ---- PCI ----------------------------------------------------------------------------------
# Root bus 0x00, first socket: the chipset.
pci 00:00.0 0x1F3C 0x4C00 0x060000          # host bridge
pci 00:17.0 0x1F3C 0x4C17 0x010601          # SATA controller, AHCI
pci 00:1c.0 0x1F3C 0x4C1C 0x060400          # root port of the management controller
pci-bridge 00:1c.0 0x01 0x02
pci 00:1f.0 0x1F3C 0x4C40 0x060100          # ISA bridge, multi-function
pci-dword 00:1f.0 0x0C 0x00800000
pci 00:1f.4 0x1F3C 0x4C44 0x0C0500          # SMBus controller
pci-dword 00:1f.4 0x20 0x00000781           # its I/O base 0x780
pci 00:1f.6 0x1F3C 0x4C46 0x020000          # Ethernet
pci 01:00.0 0x1F3C 0x4C50 0x060400          # bridge inside the management controller
pci-bridge 01:00.0 0x02 0x02
pci 02:00.0 0x1F3C 0x4C51 0x088000          # the management controller itself: no graphics
# Root bus 0x40, first socket: a RAID controller behind a root port.
pci 40:00.0 0x1F3C 0x4C60 0x088000          # the root's own system peripheral
pci 40:02.0 0x1F3C 0x4C62 0x060400          # root port of the RAID slot
pci-bridge 40:02.0 0x41 0x41
pci 41:00.0 0x1E42 0x0A40 0x010400          # RAID controller
# Root bus 0x80, second socket: the graphics card behind a root port.
pci 80:00.0 0x1F3C 0x4C60 0x088000
pci 80:03.0 0x1F3C 0x4C63 0x060400          # root port of the graphics slot
pci-bridge 80:03.0 0x81 0x81
pci 81:00.0 0x10DE 0x0EB2 0x030000 0xA1     # graphics chip, multi-function, built by the maker
pci-dword 81:00.0 0x0C 0x00800000
pci-subsystem 81:00.0 0xF157 0x9600
pci 81:00.1 0x10DE 0x0EB3 0x040300          # the chip's HD audio
# Root bus 0xC0, second socket: the NVMe drive behind a root port.
pci c0:00.0 0x1F3C 0x4C60 0x088000
pci c0:01.0 0x1F3C 0x4C61 0x060400          # root port of the NVMe drive
pci-bridge c0:01.0 0xC1 0xC1
pci c1:00.0 0x1E5A 0x5024 0x010802          # NVMe drive

# ---- I/O ports ----------------------------------------------------------------------------
smbus-host 0x0780
smbus-device 0x4B 0x02 0x01

# ---- BIOS-access driver -------------------------------------------------------------------
bios-ident "NORVA QB-9200"
bios-info 0 "NORVA BIOS INFORMATION"
bios-info 1 "Corvid Firmware Inc."
bios-info 2 "A9200CFW V1.4 061825"
bios-info 3 "06/18/2025"

# ---- Windows ------------------------------------------------------------------------------
windows win7
registry "HKLM\SOFTWARE\Microsoft\Windows NT\CurrentVersion" BuildLabEx "7601.17514.amd64fre.win7sp1_rtm.101119-1850"
registry "HKLM\SOFTWARE\Norva\Veltra Series" WorkDir "C:\Program Files\Norva\Veltra"
registry "HKLM\SOFTWARE\Norva\Veltra Series" AppVersion "5.0.0"
card-list 0EB2 "QB-9600 24GB"
