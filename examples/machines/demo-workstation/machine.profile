# demo-workstation: a Norva workstation of today. SATA AHCI and the network controller are
# on bus 0, the NVMe drive behind 00:1b.0, the management controller's graphics (a third-party
# chip) behind a chain of two bridges on bus 6, a RAID controller behind a switch on bus 0x3B.
# The firmware has both SMBIOS entry points; its table starts with an OEM structure whose
# byte 0x14 is 4, while the BIOS structure says major release 2. The program identifies it as
#   board QB-9100, BIOS version 1.50, BIOS vendor "Corvid Firmware Inc.", DMI test false,
#   PCI ids VEN_1F3C&DEV_3D17, VEN_1F3C&DEV_3D1B, VEN_1F3C&DEV_3D1F, VEN_1F3C&DEV_3D1E,
#            VEN_1E5A&DEV_5018, VEN_1E90&DEV_2000, VEN_1E42&DEV_0A30,
#   card: nDeviceID 0x2000, no video BIOS version (a vendor the program does not read).

# ---- Physical memory ----------------------------------------------------------------------
memory 0xF0000 0x10000 0xFF
# _SM_ entry point with its _DMI_ half, and the _SM3_ one after it: the same table of 97 bytes.
bytes 0xF0450 5F 53 4D 5F 3E 1F 03 02 40 00 00 00 00 00 00 00
bytes 0xF0460 5F 44 4D 49 5F 34 61 00 00 90 0E 00 03 00 32
bytes 0xF0470 5F 53 4D 33 5F 4F 18 03 05 00 01 00 61 00 00 00
bytes 0xF0480 00 90 0E 00 00 00 00 00
memory 0xE9000 0x1000 0x00
# Type 218 (OEM; its byte 0x14 is 4), type 0 (BIOS information, major release 2), type 127.
bytes 0xE9000 DA 1A 01 00 00 00 00 00 00 00 00 00 00 00 00 00
bytes 0xE9010 00 00 00 00 04 00 00 00 00 00 00 00 00 18 02 00
bytes 0xE9020 01 02 00 F0 03 FF 80 98 8B 3F 01 00 00 00 03 0D
bytes 0xE9030 02 03 FF FF 43 6F 72 76 69 64 20 46 69 72 6D 77
bytes 0xE9040 61 72 65 20 49 6E 63 2E 00 56 31 2E 35 30 00 30
bytes 0xE9050 32 2F 30 32 2F 32 30 32 34 00 00 7F 04 FF FF 00
bytes 0xE9060 00
memory 0xC0000 0x8000 0x00
bytes 0xC0000 55 AA 40

# ---- PCI ----------------------------------------------------------------------------------
pci 00:00.0 0x1F3C 0x3D00 0x060000          # host bridge
pci 00:01.0 0x1F3C 0x3D01 0x060400          # root port of the RAID slot
pci-bridge 00:01.0 0x3A 0x3B
pci 00:17.0 0x1F3C 0x3D17 0x010601          # SATA controller, AHCI
pci 00:1b.0 0x1F3C 0x3D1A 0x060400          # root port of the NVMe drive
pci-bridge 00:1b.0 0x02 0x02
pci 00:1c.0 0x1F3C 0x3D1C 0x060400          # root port of the management controller
pci-bridge 00:1c.0 0x05 0x06
pci 00:1f.0 0x1F3C 0x3D10 0x060100          # ISA bridge, multi-function
pci-dword 00:1f.0 0x0C 0x00800000
pci 00:1f.3 0x1F3C 0x3D1B 0x040300          # HD audio
pci 00:1f.4 0x1F3C 0x3D1F 0x0C0500          # SMBus controller
pci-dword 00:1f.4 0x20 0x00000401
pci 00:1f.6 0x1F3C 0x3D1E 0x020000          # Ethernet
pci 02:00.0 0x1E5A 0x5018 0x010802          # NVMe drive
pci 05:00.0 0x1E90 0x1150 0x060400          # the management controller's PCI bridge
pci-bridge 05:00.0 0x06 0x06
pci 06:00.0 0x1E90 0x2000 0x030000          # its graphics (invented third-party card maker)
pci 3a:00.0 0x1E42 0x0A10 0x060400          # switch in front of the RAID controller
pci-bridge 3a:00.0 0x3B 0x3B
pci 3b:00.0 0x1E42 0x0A30 0x010400          # RAID controller (invented vendor 0x1E42)

# ---- I/O ports ----------------------------------------------------------------------------
smbus-host 0x0400
smbus-device 0x4B 0x02 0x01

# ---- BIOS-access driver -------------------------------------------------------------------
bios-ident "NORVA QB-9100"
bios-info 0 "NORVA BIOS INFORMATION"
bios-info 1 "Corvid Firmware Inc."
bios-info 2 "A9100CFW V1.5 020224"
bios-info 3 "02/02/2024"

# ---- Windows ------------------------------------------------------------------------------
windows win7
registry "HKLM\SOFTWARE\Microsoft\Windows NT\CurrentVersion" BuildLabEx "7601.17514.amd64fre.win7sp1_rtm.101119-1850"
registry "HKLM\SOFTWARE\Norva\Veltra Series" WorkDir "C:\Program Files\Norva\Veltra"
registry "HKLM\SOFTWARE\Norva\Veltra Series" AppVersion "5.0.0"
