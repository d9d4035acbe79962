#!/bin/sh
clear 2>/dev/null
echo "Fin de la desinstallation de zep..."
echo "(ne vous pre-occupez des erreurs eventuelles)"
printf 'Appuyez sur Entree pour continuer...'
read -r answer
echo
echo
echo
echo
folder='/opt/l'\''atelier/ZEP'
cd -- "$folder" || exit 1
here=$(pwd -P)
if [ "$here" = / ] || [ "$here" = "$(cd -- "$HOME" && pwd -P)" ]; then exit 1; fi
[ -f ./fin_install.sh ] || exit 1
{
rm -f -- './zep'
rm -f -- './langues/English/phrases.lge'
rm -f -- './it'\''s'
rmdir -- './langues/English'
rmdir -- './langues'
rm -f -- ./fin_install.sh
} >/dev/null 2>&1
clear 2>/dev/null
echo "Desinstallation de ZEP terminee !"
