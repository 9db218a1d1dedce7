# demo-pc-x86: the demo PC running 32-bit Windows 7 SP1: the same board, card and installed
# programs, a 32-bit build label. The program identifies it as demo-pc, with the operating
# system "Windows 7 32Bit" (nOS 2048), and loads the 32-bit drivers.
include "../demo-pc/machine.profile"

registry "HKLM\SOFTWARE\Microsoft\Windows NT\CurrentVersion" BuildLabEx "7601.17514.x86fre.win7sp1_rtm.101119-1850"
