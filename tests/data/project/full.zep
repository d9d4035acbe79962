FICHIER .ZEP - COMPATIBLE ZEP V2.0 ET +
Pour télécharger ZEP allez sur https://zep.example.org/
Envoyez-nous vos critiques à contact@zep.example.org Merci.
[Format]
Editeur=ZEP
Version=2.0.450
Fichier=1.1
[Auteur]
Zoé Auteur
zoe@example.org
https://example.org/
Ligne 1¤¤Ligne 3
[Général]
/media/images/fond.jpg
 9015 
 6870.5 
 0 
/media/images/cd.ico
'para3
/media/sons/musique.mp3
[ParamsPlus]
VBS:MsgBox "Salut"¤Fenetre.Caption = "€"
 65280 
 0 
 1 
250
Minuteur.Enabled = False¤
Const pi = 3.14159265358979
 0 
/media/sons/clic.wav
/media/sons/survol.wav
[Autre]
/media/images/masque.bmp
Ecran.MousePointer = 0
'para3
'para4
'para5
'para6
'para7
'para8
'para9
'para10
'para11
'para12
'para13
'para14
'para15
[Bouton]
-120 
 3000.25 
/media/images/b1.bmp
/media/images/b1s.bmp
/media/images/b1c.bmp
vidéo
film.avi

 1 
 16711935 
'para4
[Bouton]
 200 
 200 
/media/images/b2.bmp
/media/images/b2s.bmp
/media/images/b2c.bmp
code
'------------------------------------------------------------------------------¤'Tapez ici le code VBS à exécuter quand le bouton 2 est préssé.¤'NOTE : toutes les occurences de [LECT] seront automatiquement¤'remplacées par la lettre du lecteur en cours.¤'Exemple MsgBox "[LECT]:\" affiche d:\ si d est le lecteur en cours...¤'------------------------------------------------------------------------------¤
Bouton2.Left = 10
 0 
 0 
'para4
[Texte]
Bienvenue¤sur le CD
 0 
 255 
 1 
 0 
DejaVu Sans
 12.5 
 0 
 1 
 200 
 200 
 2895 
 1455 
10
para1
para2
para3
para4
[Texte]
Tapez ici le contenu du Texte 3
 16777215 
 0 
 0 
 0 
Arial
 10 
 0 
 0 
 200 
 200 
 2895 
 1455 
00
para1
para2
para3
para4
Gestion de la forme du menu, les formes peuvent être importées/exportées
[FormeMenu]
X=0
Y=0
X=600
Y=-5
X=300
Y=400
[/FormeMenu]
'Fin du projet. Les images, sons et textes de ce menu appartiennent à son auteur.
