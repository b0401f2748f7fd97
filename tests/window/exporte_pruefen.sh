#!/bin/sh
# Checks that a program linking the window library exports the member
# functions and static members of its classes by name.
#   exporte_pruefen.sh OBJDUMP PROGRAM.exe
set -eu
objdump=$1
programm=$2
namen=$("$objdump" -p "$programm" | c++filt)
fehlt=0
for name in \
  'wFenster::proz(HWND__*, unsigned int' \
  'wFenster::welches_fenster(HWND__*)' \
  'Fenster::oeffnen(int)' \
  'Fenster::neue_instanz' \
  'Fenster::ueberschrift(char const*, ...)' \
  'Instanz::meldungen()' \
  'Dialog_F::is_dialog_message(Instanz*, tagMSG*)' \
  'Kontroll_F::h_pen_hell' \
  'Text_KF::tab' \
  'Taster_KF::tasten_init(void (*)(Taster_KF*), unsigned short)' \
  'Scrollbar_KF::setze_pos(int)' \
  'DIB_KF::setze_dib(DIB*)' \
  'ToolTip_CKF::zeiger(' \
  'Info_DF::texte(' \
  'Font::textbreite(char const*) const' \
  'DVListe<Fenster>::element(unsigned int)' \
  'DVListe<Fenster>::eintr_finden(Fenster*, int&)' \
  'DVListe<Dialog_F>::hinten_einfuegen(Dialog_F*)' \
  'vtable for Dialog_F'
do
  if ! printf '%s\n' "$namen" | grep -qF -- "$name"; then
    echo "not exported: $name"
    fehlt=1
  fi
done
[ "$fehlt" -eq 0 ] && echo "all names exported"
exit "$fehlt"
