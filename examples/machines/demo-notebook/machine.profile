# demo-notebook: a Norva notebook of today. Its graphics chip (ATI, built by the maker) and
# two HD audio functions sit on bus 0xC4 behind the internal bridge 00:08.1, the NVMe drive on
# bus 2 behind 00:02.4, and the firmware has only the 64-bit SMBIOS entry point, whose table
# starts with an OEM structure. The program identifies it as
#   board QB-8400, BIOS version 2.70, BIOS vendor "Corvid Firmware Inc.", DMI test true,
#   PCI ids VEN_1F3C&DEV_3C40, VEN_1E5A&DEV_5016, VEN_1002&DEV_9E70, VEN_1002&DEV_9E71,
#            VEN_1F3C&DEV_3C60,
#   card: vendor ATI, sBIOSText QB-8600, sModelNo 8600-8GD6, video BIOS
#         022.001.002.008.000001, nDeviceID 0x9E70 (card list name "QB-8600 8GB GDDR6").

# ---- Physical memory ----------------------------------------------------------------------
# BIOS ROM window: no "_SM_" or "_DMI_" anchor, only "_SM3_".
memory 0xF0000 0x10000 0xFF
# _SM3_ entry point: table of at most 81 bytes at 0x7AE3D000.
bytes 0xF0500 5F 53 4D 33 5F D0 18 03 05 00 01 00 51 00 00 00
bytes 0xF0510 00 D0 E3 7A 00 00 00 00
# The structure table where UEFI firmware leaves it, far above the ROM window.
memory 0x7AE3D000 0x1000 0x00
# Type 221 (OEM), type 0 (BIOS information, major release 4 at offset 0x14), type 127.
bytes 0x7AE3D000 DD 08 01 00 00 00 00 00 00 00 00 1A 02 00 01 02
bytes 0x7AE3D010 00 F0 03 FF 80 98 8B 3F 01 00 00 00 03 0D 04 07
bytes 0x7AE3D020 FF FF 00 00 43 6F 72 76 69 64 20 46 69 72 6D 77
bytes 0x7AE3D030 61 72 65 20 49 6E 63 2E 00 56 32 2E 30 37 00 30
bytes 0x7AE3D040 33 2F 31 34 2F 32 30 32 34 00 00 7F 04 FF FF 00
bytes 0x7AE3D050 00
# Legacy video ROM window: the maker's banner and the chip vendor's one.
memory 0xC0000 0x10000 0x00
bytes 0xC0000 55 AA 80
text 0xC0080 "NORVA8600 QB.8600-8GD6 Norva graphics BIOS\x00"
text 0xC0200 "ATOMBIOSBK-ATI VER022.001.002.008.000001\x00"

# ---- PCI ----------------------------------------------------------------------------------
# The scan finds, in this order: SMBus on bus 0, NVMe on bus 2, graphics and two HD audio
# functions on bus 0xC4.
pci 00:00.0 0x1F3C 0x3C00 0x060000          # root complex: not a class of interest
pci 00:02.0 0x1F3C 0x3C02 0x060000          # host bridge of the general-purpose ports
pci-dword 00:02.0 0x0C 0x00800000           # multi-function
pci 00:02.2 0x1F3C 0x3C12 0x060400          # port of the wireless card
pci-bridge 00:02.2 0x01 0x01
pci 00:02.4 0x1F3C 0x3C14 0x060400          # port of the NVMe drive
pci-bridge 00:02.4 0x02 0x02
pci 00:08.0 0x1F3C 0x3C08 0x060000          # host bridge of the internal bus
pci-dword 00:08.0 0x0C 0x00800000
pci 00:08.1 0x1F3C 0x3C09 0x060400          # internal bridge to bus 0xC4
pci-bridge 00:08.1 0xC4 0xC4
pci 00:14.0 0x1F3C 0x3C40 0x0C0500          # SMBus controller, multi-function
pci-dword 00:14.0 0x0C 0x00800000
pci-dword 00:14.0 0x20 0x00000B01           # its I/O base 0xB00
pci 00:14.3 0x1F3C 0x3C43 0x060100          # ISA bridge
pci 01:00.0 0x1E7B 0x6A10 0x028000          # wireless network controller: not a class of interest
pci 02:00.0 0x1E5A 0x5016 0x010802          # NVMe drive (invented vendor 0x1E5A)
pci c4:00.0 0x1002 0x9E70 0x030000          # graphics chip, multi-function, built by the maker
pci-dword c4:00.0 0x0C 0x00800000
pci-subsystem c4:00.0 0xF157 0x8600
pci c4:00.1 0x1002 0x9E71 0x040300          # the chip's HD audio
pci c4:00.6 0x1F3C 0x3C60 0x040300          # the chipset's HD audio

# ---- I/O ports ----------------------------------------------------------------------------
smbus-host 0x0B00
smbus-device 0x4B 0x02 0x01

# ---- BIOS-access driver -------------------------------------------------------------------
bios-ident "NORVA QB-8400"
bios-info 0 "NORVA BIOS INFORMATION"
bios-info 1 "Corvid Firmware Inc."
bios-info 2 "A8400CFW V2.7 031424"
bios-info 3 "03/14/2024"

# ---- Windows ------------------------------------------------------------------------------
windows win7
registry "HKLM\SOFTWARE\Microsoft\Windows NT\CurrentVersion" BuildLabEx "7601.17514.amd64fre.win7sp1_rtm.101119-1850"
registry "HKLM\SOFTWARE\Norva\Veltra Series" WorkDir "C:\Program Files\Norva\Veltra"
registry "HKLM\SOFTWARE\Norva\Veltra Series" AppVersion "5.0.0"
card-list 9E70 "QB-8600 8GB GDDR6"
