FICHIER .ZEP - COMPATIBLE ZEP V2.0 ET +
Pour télécharger ZEP allez sur https://zep.example.org/
Envoyez-nous vos critiques à contact@zep.example.org Merci.
[Format]
Editeur=ZEP
Version=2.0.450
Fichier=1.1
[Auteur]
Équipe ZEP
contact@zep.example.org
https://zep.example.org/
Menu d'exemple livré avec ZEP.¤Ouvrez-le, modifiez-le, testez-le avec F5.
[Général]
fond.jpg
 12000 
 9000 
 1 
(Icône par défaut)
'para3

[ParamsPlus]
VBS:'Message d'accueil¤Fenetre.Caption = "Mon CD de démonstration"¤Texte1.FontBold = True
 16777215 
 1 
 0 
1000
Texte2.Text = "Il est " & Time
'Constantes partagées par tous les scripts¤Const SITE = "https://zep.example.org/"
 1 
bip.wav

[Autre]

Texte2.Text = "Survolez un bouton pour en savoir plus."
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
 4500 
 2700 
video.bmp
video_survol.bmp
video_clic.bmp
vidéo
bip.wav
Texte2.Text = "Joue le son de bienvenue."
 1 
 16711935 
'para4
[Bouton]
 4500 
 3900 
code.bmp
code_survol.bmp
code_clic.bmp
code
'------------------------------------------------------------------------------¤'Ouvre le site du projet¤'------------------------------------------------------------------------------¤Set exe_f = CreateObject("WScript.Shell")¤exe_f.Run(Chr(34) + SITE + Chr(34))
Texte2.Text = "Ouvre le site du projet"
 1 
 16711935 
'para4
[Bouton]
 4500 
 5100 
quitter.bmp
quitter_survol.bmp
quitter_clic.bmp
quitter

Texte2.Text = "Ferme le menu."
 1 
 16711935 
'para4
[Bouton]
 4500 
 6300 
couleurs.bmp
couleurs_survol.bmp
couleurs_clic.bmp
code
'------------------------------------------------------------------------------¤'Change les couleurs du menu et lance le minuteur¤'------------------------------------------------------------------------------¤Fenetre.BackColor = RGB(40, 20, 70)¤Texte1.BackColor = RGB(90, 40, 130)¤Texte1.Text = "Couleurs changées !"¤Minuteur.Interval = 1000¤Minuteur.Enabled = True
Texte2.Text = "Change les couleurs du menu."
 1 
 16711935 
'para4
[Texte]
Bienvenue !¤Choisissez une action ci-contre.
 6039058 
 16777215 
 1 
 0 
DejaVu Sans
 12 
 0 
 0 
 2700 
 900 
 3000 
 1200 
01
para1
para2
para3
para4
[Texte]
Survolez un bouton pour en savoir plus.
 6039058 
 8438015 
 0 
 0 
DejaVu Sans
 10 
 0 
 0 
 6600 
 900 
 3000 
 900 
01
para1
para2
para3
para4
Gestion de la forme du menu, les formes peuvent être importées/exportées
[FormeMenu]
X=600
Y=0
X=11400
Y=0
X=12000
Y=600
X=12000
Y=8400
X=11400
Y=9000
X=600
Y=9000
X=0
Y=8400
X=0
Y=600
[/FormeMenu]
'Fin du projet. Les images, sons et textes de ce menu appartiennent à son auteur.
