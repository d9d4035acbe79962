
[Format]
Editeur=Assistant création ZEP
Version=2.0.450
Fichier=1.1
[Général]

9600
7200
 1 
'para2
'para3

[ParamsPlus]
VBS:MsgBox "Ligne 1"+chr(10)+chr(13)+"Ligne '2'", vbInformation, "Salut 'toi'"
 16777215 
 1 
 0 
1000


 1 
'para9
'para10
[Bouton]
 200 
 150 
jouer_n.bmp
jouer_s.bmp
jouer_c.bmp
code
'CD¤Set exe_f = CreateObject("WScript.Shell")¤exe_f.Run("[LECT]:\jeu '1'.exe")

 0 
 0 
'para4
[Bouton]
 200 
 750 
quitter_n.bmp
quitter_s.bmp
quitter_c.bmp
quitter


 0 
 0 
'para4
[Bouton]
 200 
 1500 
bouton4_normal.bmp
bouton4_survol.bmp
bouton4_clique.bmp
vidéo


 0 
 16777215 
'para4
