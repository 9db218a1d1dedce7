# demo-pc: a Norva PC with a full board and a Norva-built card with an NVIDIA chip, running
# 64-bit Windows 7 SP1. The program identifies it as
#   board QB-7100, BIOS version 1.20, BIOS vendor "Corvid Firmware Inc.", DMI test false,
#   PCI ids VEN_1F3C&DEV_2A10, VEN_1F3C&DEV_2A22, VEN_1F3C&DEV_2A40, VEN_1E7B&DEV_5A68,
#            VEN_10DE&DEV_0E9D, VEN_1F3C&DEV_2A82, VEN_1F3C&DEV_2A83,
#   card: vendor NVIDIA, sBIOSText QB-7600, sModelNo 7600-512, video BIOS 62.94.1A.00.07,
#         nDeviceID 0x0E9D (card list name "QB-7600 512MB"); running from the first BIOS ROM.
include "../common/norva-board.inc"

# The BIOS-access driver: identified board and its information record.
bios-ident "NORVA QB-7100"
bios-info 0 "NORVA BIOS INFORMATION"
bios-info 1 "Corvid Firmware Inc."
bios-info 2 "A7100CFW V1.2 031510"
bios-info 3 "03/15/2010"
bios-info-value 0x00010014

# Dual-BIOS controller: bit 0 only, the board runs from its first ROM (no message).
smbus-device 0x4B 0x02 0x01

# Graphics card on bus 2: NVIDIA chip, subsystem vendor 0xF157 (the maker's own id).
pci 02:00.0 0x10DE 0x0E9D 0x030000 0xA2
pci-subsystem 02:00.0 0xF157 0x7600
# Legacy video ROM window: option ROM header, the maker's banner and the chip vendor's one.
memory 0xC0000 0x8000 0x00
bytes 0xC0000 55 AA 40
text 0xC0100 "NORVA7600 QB.7600-512 Norva graphics card BIOS\x00"
text 0xC0200 "Version 62.94.1A.00.07 \x00"
card-list 0E9D "QB-7600 512MB"
card-list 0E9F "QB-7620 1GB"

# What is installed (read by the utility and driver checks).
registry "HKLM\SOFTWARE\NVIDIA Corporation\Installer" version "190.38"
registry "HKLM\SOFTWARE\Norva\Drivers\Norva Chipset Driver" Version "9.1.0.1010"
registry "HKLM\SOFTWARE\Norva\Drivers\Norva LAN Driver" Version "7.12"
registry "HKLM\SOFTWARE\Norva\Drivers\Media Codec Pack" Version "5.0"
registry "HKLM\SOFTWARE\Norva\Fan Tuner" AppVersion "2.0"
registry "HKLM\SOFTWARE\Norva\Live Monitor" AppVersion "1.02"
