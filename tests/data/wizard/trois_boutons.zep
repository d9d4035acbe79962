
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
VBS:MsgBox "Bienvenue", vbInformation, "L'accueil"
 12632256 
 1 
 0 
1000


 1 
'para9
'para10
[Bouton]
 200 
 150 
vert_n.bmp
vert_s.bmp
vert_c.bmp
code
MsgBox "Première ligne"+chr(10)+chr(13)+"Seconde", vbInformation, "Bonjour"

 0 
 0 
'para4
[Bouton]
 200 
 900 
bouton3_normal.bmp
bouton3_survol.bmp
bouton3_clique.bmp
vidéo


 1 
 65280 
'para4
