#!/usr/bin/env python3
"""Writes the delivered language data of Numerillo into data/sys/.

For each language: <code>.lng (all interface texts), <code>OpSel.txt (the four
operator names) and <code>-soundevents.txt (the eight sound event titles).
This script is the source of these files: change a text here, run the script
and commit both. The files are Windows-1252 with CR LF line ends, as the
program reads them.

Usage: scripts/make-language-files.py [--check]
  --check  only compare the files on disk with what the script would write.
"""

import re
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
SYS_DIR = ROOT / "data" / "sys"
KEYS_SOURCE = ROOT / "src" / "lang" / "LanguageKeys.cpp"

# Sections in the order of LanguageKeys; each text on one line. "&" marks the
# keyboard accelerator of a button or menu item.
LANGUAGES = {}

LANGUAGES["en"] = {
    "FStart": {
        "vOne": "One", "vTwo": "Two", "vThree": "Three", "vFour": "Four",
        "vFive": "Five", "vSix": "Six", "vSeven": "Seven", "vEight": "Eight",
        "vNine": "Nine", "vTen": "Ten", "vEleven": "Eleven", "vTwelve": "Twelve",
        "vSelectAllBtn": "Select &all",
        "vInverseSelBtn": "&Invert selection",
        "vExpertBtn": "&Expert options",
        "vStartWorkBtn": "&Start calculating",
        "vPrintCalcBtn": "&Print worksheets",
        "vQuitBtn": "&Quit Numerillo",
        "vComment": "Click on the multiplication tables that you want to practise. "
                    "When you have made your choice, press the 'Start calculating' "
                    "button. Good luck with your work!",
        "vCaptionGroupBox": "Practise the tables...",
        "vMenuFilesCaption": "&File",
        "vMenuQuitCaption": "&Quit",
        "vMenuLangCaption": "&Language",
        "vMenuAboutCaption": "&Help",
        "vMenuAboutIndexcaption": "&Help",
        "vMenuAbout1Caption": "&About Numerillo",
        "vMenuProgressCaption": "&Progress",
    },
    "FCalculator": {
        "vCaptionBtn1": "&Back",
        "vCaptionBtn6": "&Expert",
        "vCaptionBtn8": "&Sound",
        "vCaptionBtn10": "Scree&n",
        "vCaptionBtn9": "&Help",
        "vCaptionBtn2": "Enter",
        "vLastCalcLbl": "Last operation:",
        "vResultWaitLbl": "Your turn!",
        "vResultRightLbl": "Well done!",
        "vResultWrongLbl": "Oops, not quite!",
        "vResultLateLbl": "Time is up!",
        "vResultRightLateLbl": "Right, but too late",
        "vResultWrongLateLbl": "Wrong and too late",
        "vModeWrittenStateLbl": "Written mode",
        "vModeMentalStateLbl": "Mental mode",
        "vModeWaitingStateLbl": "Ready?",
        "vModeClickEnterStateLbl": "Now press Enter!",
        "vModeTimerStateLbl": "Stopwatch on!",
        "vCounterLbl": "Your score",
        "vOperationLbl": "Operations:",
        "vErrorsLbl": "Mistakes:",
        "vAverageLbl": "Mark:",
        "vAverageCalc": "out of 10",
        "vResetBtn": "&Reset",
        "vTimerGoBtn": "Start the &timer",
        "vTimerStopBtn": "Stop the ti&mer",
        "vThinkTimeCaption": "Thinking time",
        "vGaugeCaption": "Time bar",
        "vGaugeVisibleItem": "Shown",
        "vGaugeHiddenItem": "Hidden",
        "vModeCaption": "Mode",
        "vModeWrittenItem": "Written",
        "vModeMentalItem": "Mental",
        "vDispAnswerCaption": "Show the answer for",
        "vHideTextLbl": "Hide this text",
        "vViewInfoLbl": "Show the text",
        "vRightInfoText1Lbl": "Type your answer with the keypad or the keyboard, "
                              "then check it with the Enter key.",
        "vRightInfoText2Lbl": "Stuck? Click the ambulance to see the answer, "
                              "then press Enter.",
        "vRightInfoText3Lbl": "Reset puts the counters back to 0. The stopwatch "
                              "gives you a time limit for each question.",
        "vLeftInfoTextTopLbl": "Work it out in your head!",
        "vLeftInfoTextBotLbl": "Don't type anything: the answer appears when the "
                               "time is up. Press Enter to see it sooner.",
        "vHelpTopInfoLbl": "Click on the blue underlined words to jump to a topic.",
        "vHelpCloseBtn": "&Close",
    },
    "FSwap": {
        "vFSWapCaption": "Expert options",
        "vCrossMultiplicatorsLbl": "Should the two numbers of a multiplication "
                                   "sometimes swap places (3 x 7 instead of 7 x 3)?",
        "vCrossYesRadioBtnCaption": "&Yes",
        "vCrossNoRadioBtnCaption": "&No",
        "vSmallestMultiplicatorLbl": "The multiplier must be greater than or equal to:",
        "vSeeHelpFileLbl": "See the help pages to find out more.",
    },
    "FSound": {
        "vFSoundCaption": "Sound options",
        "vGroupBoxCaption": "Available sound sets",
        "vListenCaptionBtn": "&Listen to this set",
        "vEditCaptionBtn": "&Change this set",
        "vNoSoundCaptionLbl": "Sound is turned off",
    },
    "FAudio": {
        "vFAudioCaption": "Set up a sound set",
        "vSeqTitleLbl": "Title of this sound set:",
        "vMaxCharLbl": "(Max. 10 characters)",
        "vRadioGroupCaption": "Events for",
        "vAssocLbl": "Sound file for event",
        "vAssocOtherBtn": "Choose &another sound",
        "vSoundFilesLbl": "Sound files (*.wav, *.mp3)",
        "vAssociateCaptionBtn": "&Use this sound",
        "vCancelCaptionBtn": "&Cancel",
        "vChangedMessageDlg": "has been changed. Do you want to save it?",
    },
    "AfterRecordDlg": {
        "vAfterRecordDlgCaption": "Recording finished",
        "vWhatToDoLbl": "What do you want to do with the recorded operations?",
        "vOKCaptionBtn": "&Practise them",
        "vCancelCaptionBtn": "&Erase them",
        "vEraseOperationsMsg": "The recorded operations have been erased.",
    },
    "RecordDlg": {
        "vRecordDlgCaption": "Record operations",
        "vNextOpRBCaption": "&Record the next operations",
        "vNextErrRBCaption": "Record the next &mistakes",
        "vNoRecRBCaption": "&Don't record",
        "vRecNextLbl": "How many to record:",
        "vInfoLbl": "When the recording is finished, you can practise these "
                    "operations again or erase them.",
    },
    "PrintDlg": {
        "vPrintDlgCaption": "What do you want to print?",
        "vRandomRBCaption": "&Random operations from the chosen tables",
        "vNoAnswerRBCaption": "Tables 1 to 12 &without answers",
        "vWithAnswerRBCaption": "Tables 1 to 12 wit&h answers",
        "vGridRBCaption": "Multiplication &grid",
        "vRadioGroup1Caption": "Print on",
        "vRG1Item0Lbl": "&Screen",
        "vRG1Item1Lbl": "P&aper",
        "vPrintBtnCaption": "&Print",
        "vCancelBtnCaption": "&Cancel",
        "vQRRandSheetTitle": "Operations picked at random from your tables",
        "vQRRandSheetComment": "Find the answers! Tables:",
        "vQROptions": "Options",
        "vQRRandSheetCrossed": "Numbers swapped: yes",
        "vQRRandSheetNotCrossed": "Numbers swapped: no",
        "vQRRandSheetMult": "Smallest multiplier:",
        "vQROtherSheetTitle": "Multiplication tables 1 to 12",
        "vQROtherSheetComment": "Write the answers after the = signs.",
        "vQRDateString": "Printed on",
        "vQRPrintGridCaption": "Multiplication grid",
    },
    "FColor": {
        "vFcolorCaption": "Screen colours",
        "vSolidColBtn": "&Solid...",
        "vFactoryBtn": "&Design",
    },
    "MakeBackGround": {
        "vMakeBackGroundCaption": "Background",
        "vTopColBtn": "&Start colour",
        "vMidColBtn": "&Middle colour",
        "vEndColBtn": "&End colour",
    },
    "FProgress": {
        "vFProgressCaption": "Progress",
        "vMultiplyGridLbl": "Multiplications",
        "vDivideGridLbl": "Divisions",
        "vAxesLbl": "Tables down, multipliers across. Point at a square to see its answers.",
        "vNotSeenLbl": "Not tried yet",
        "vLearningLbl": "Learning",
        "vShakyLbl": "Shaky",
        "vKnownLbl": "Known",
        "vMasteredLbl": "Mastered",
        "vCellTip": "%1 (%2): %3 tries, %4 right, median time %5 s",
        "vCellNotSeenTip": "%1: not tried yet",
        "vTotalsLbl": "Answers: %1     Right: %2 %     Facts mastered: %3 of 288",
        "vChartLbl": "The last eight weeks: answers per day (bars) and the share of right answers (line)",
        "vDayTip": "%1: %2 answers, %3 % right",
        "vDrillWeakBtn": "&Drill my weak facts",
        "vWeakSheetBtn": "&Worksheet of weak facts",
        "vCloseBtn": "&Close",
    },
}

LANGUAGES["fr"] = {
    "FStart": {
        "vOne": "Un", "vTwo": "Deux", "vThree": "Trois", "vFour": "Quatre",
        "vFive": "Cinq", "vSix": "Six", "vSeven": "Sept", "vEight": "Huit",
        "vNine": "Neuf", "vTen": "Dix", "vEleven": "Onze", "vTwelve": "Douze",
        "vSelectAllBtn": "&Sélectionner tous",
        "vInverseSelBtn": "&Inverser sélection",
        "vExpertBtn": 'Options "&Expert"',
        "vStartWorkBtn": "&Commencer à calculer",
        "vPrintCalcBtn": "Im&primer des calculs",
        "vQuitBtn": "&Quitter Numerillo",
        "vComment": "Clique ta souris sur les tables de multiplication que tu veux "
                    "étudier. Lorsque tu auras fait ton choix, presse sur le bouton "
                    "'Commencer à calculer'. Bonne chance dans ton travail.",
        "vCaptionGroupBox": "Travailler avec les tables...",
        "vMenuFilesCaption": "&Fichiers",
        "vMenuQuitCaption": "&Quitter",
        "vMenuLangCaption": "&Langue",
        "vMenuAboutCaption": "&Aide",
        "vMenuAboutIndexcaption": "A&ide",
        "vMenuAbout1Caption": "&A propos de Numerillo",
        "vMenuProgressCaption": "&Progrès",
    },
    "FCalculator": {
        "vCaptionBtn1": "&Retour",
        "vCaptionBtn6": "&Expert",
        "vCaptionBtn8": "&Son",
        "vCaptionBtn10": "É&cran",
        "vCaptionBtn9": "&Aide",
        "vCaptionBtn2": "Entrée",
        "vLastCalcLbl": "Dernier calcul :",
        "vResultWaitLbl": "À toi de jouer !",
        "vResultRightLbl": "Bravo !",
        "vResultWrongLbl": "Oups, c'est faux !",
        "vResultLateLbl": "Temps écoulé !",
        "vResultRightLateLbl": "Juste mais trop tard",
        "vResultWrongLateLbl": "Faux et trop tard",
        "vModeWrittenStateLbl": "Mode écrit",
        "vModeMentalStateLbl": "Mode mental",
        "vModeWaitingStateLbl": "On y va ?",
        "vModeClickEnterStateLbl": "Presse sur Entrée !",
        "vModeTimerStateLbl": "Chrono en marche !",
        "vCounterLbl": "Ton score",
        "vOperationLbl": "Calculs :",
        "vErrorsLbl": "Erreurs :",
        "vAverageLbl": "Note :",
        "vAverageCalc": "sur 10",
        "vResetBtn": "Remettre à &zéro",
        "vTimerGoBtn": "&Démarrer le chrono",
        "vTimerStopBtn": "Arrê&ter le chrono",
        "vThinkTimeCaption": "Temps de réflexion",
        "vGaugeCaption": "Barre de temps",
        "vGaugeVisibleItem": "Visible",
        "vGaugeHiddenItem": "Cachée",
        "vModeCaption": "Mode",
        "vModeWrittenItem": "Écrit",
        "vModeMentalItem": "Mental",
        "vDispAnswerCaption": "Voir la réponse pendant",
        "vHideTextLbl": "Cacher ce texte",
        "vViewInfoLbl": "Voir le texte",
        "vRightInfoText1Lbl": "Tape ta réponse avec les touches ou le clavier, "
                              "puis valide-la avec la touche Entrée.",
        "vRightInfoText2Lbl": "Tu bloques ? Clique sur l'ambulance pour voir la "
                              "réponse, puis presse sur Entrée.",
        "vRightInfoText3Lbl": "Remettre à zéro remet les compteurs à 0. Le chrono "
                              "te donne un temps limite pour chaque calcul.",
        "vLeftInfoTextTopLbl": "Calcule dans ta tête !",
        "vLeftInfoTextBotLbl": "Ne tape rien : la réponse s'affiche quand le temps "
                               "est écoulé. Presse sur Entrée pour la voir plus tôt.",
        "vHelpTopInfoLbl": "Clique sur les textes bleus soulignés pour aller au sujet.",
        "vHelpCloseBtn": "Fer&mer",
    },
    "FSwap": {
        "vFSWapCaption": 'Options "Expert"',
        "vCrossMultiplicatorsLbl": "Faut-il parfois inverser les deux nombres d'une "
                                   "multiplication (3 x 7 au lieu de 7 x 3) ?",
        "vCrossYesRadioBtnCaption": "&Oui",
        "vCrossNoRadioBtnCaption": "&Non",
        "vSmallestMultiplicatorLbl": "Le multiplicateur doit être plus grand que ou égal à:",
        "vSeeHelpFileLbl": "Pour en savoir plus, regarde l'aide.",
    },
    "FSound": {
        "vFSoundCaption": "Réglage des options audio",
        "vGroupBoxCaption": "Séquences sonores disponibles",
        "vListenCaptionBtn": "&Ecouter cette séquence",
        "vEditCaptionBtn": "&Modifier cette séquence",
        "vNoSoundCaptionLbl": "Sortie audio désactivée",
    },
    "FAudio": {
        "vFAudioCaption": "Configuration des options audio",
        "vSeqTitleLbl": "Titre de cette séquence son:",
        "vMaxCharLbl": "(Max. 10 caractères)",
        "vRadioGroupCaption": "Evénements pour",
        "vAssocLbl": "Fichier son associé à cet événement :",
        "vAssocOtherBtn": "Associer un autre &son",
        "vSoundFilesLbl": "Fichiers son (*.wav, *.mp3)",
        "vAssociateCaptionBtn": "&Associer",
        "vCancelCaptionBtn": "A&nnuler",
        "vChangedMessageDlg": "a changé. Veux-tu enregistrer cette séquence ?",
    },
    "AfterRecordDlg": {
        "vAfterRecordDlgCaption": "Enregistrement terminé",
        "vWhatToDoLbl": "Que veux-tu faire avec les calculs enregistrés ?",
        "vOKCaptionBtn": "&Les refaire",
        "vCancelCaptionBtn": "Les &effacer",
        "vEraseOperationsMsg": "Les calculs enregistrés ont été effacés.",
    },
    "RecordDlg": {
        "vRecordDlgCaption": "Enregistrer des calculs",
        "vNextOpRBCaption": "Enregistrer les &prochains calculs",
        "vNextErrRBCaption": "Enregistrer les prochaines &erreurs",
        "vNoRecRBCaption": "&Ne rien enregistrer",
        "vRecNextLbl": "Nombre à enregistrer :",
        "vInfoLbl": "Quand l'enregistrement est fini, tu peux refaire ces calculs "
                    "ou les effacer.",
    },
    "PrintDlg": {
        "vPrintDlgCaption": "Que veux-tu imprimer ?",
        "vRandomRBCaption": "Des calculs au &hasard dans les tables choisies",
        "vNoAnswerRBCaption": "Les tables de 1 à 12 &sans les réponses",
        "vWithAnswerRBCaption": "Les tables de 1 à 12 &avec les réponses",
        "vGridRBCaption": "La &grille de multiplication",
        "vRadioGroup1Caption": "Imprimer sur",
        "vRG1Item0Lbl": "É&cran",
        "vRG1Item1Lbl": "&Papier",
        "vPrintBtnCaption": "&Imprimer",
        "vCancelBtnCaption": "A&nnuler",
        "vQRRandSheetTitle": "Des calculs choisis au hasard dans tes tables",
        "vQRRandSheetComment": "Trouve les réponses ! Tables :",
        "vQROptions": "Options",
        "vQRRandSheetCrossed": "Nombres inversés : oui",
        "vQRRandSheetNotCrossed": "Nombres inversés : non",
        "vQRRandSheetMult": "Plus petit multiplicateur :",
        "vQROtherSheetTitle": "Les tables de multiplication de 1 à 12",
        "vQROtherSheetComment": "Écris les réponses après les signes =.",
        "vQRDateString": "Imprimé le",
        "vQRPrintGridCaption": "Grille de multiplication",
    },
    "FColor": {
        "vFcolorCaption": "Réglage des couleurs de l'écran",
        "vSolidColBtn": "&Uni...",
        "vFactoryBtn": "&Design",
    },
    "MakeBackGround": {
        "vMakeBackGroundCaption": "Arrière-plan",
        "vTopColBtn": "Couleur de &départ",
        "vMidColBtn": "Couleur du &centre",
        "vEndColBtn": "Couleur d'&arrivée",
    },
    "FProgress": {
        "vFProgressCaption": "Progrès",
        "vMultiplyGridLbl": "Multiplications",
        "vDivideGridLbl": "Divisions",
        "vAxesLbl": "Tables en lignes, multiplicateurs en colonnes. Montre une case pour voir tes réponses.",
        "vNotSeenLbl": "Pas encore essayé",
        "vLearningLbl": "En cours",
        "vShakyLbl": "Fragile",
        "vKnownLbl": "Connu",
        "vMasteredLbl": "Maîtrisé",
        "vCellTip": "%1 (%2) : %3 essais, %4 justes, temps médian %5 s",
        "vCellNotSeenTip": "%1 : pas encore essayé",
        "vTotalsLbl": "Réponses : %1     Justes : %2 %     Faits maîtrisés : %3 sur 288",
        "vChartLbl": "Les huit dernières semaines : réponses par jour (barres) et part de réponses justes (ligne)",
        "vDayTip": "%1 : %2 réponses, %3 % justes",
        "vDrillWeakBtn": "&Travailler mes points faibles",
        "vWeakSheetBtn": "&Fiche des points faibles",
        "vCloseBtn": "Fer&mer",
    },
}

LANGUAGES["nl"] = {
    "FStart": {
        "vOne": "Een", "vTwo": "Twee", "vThree": "Drie", "vFour": "Vier",
        "vFive": "Vijf", "vSix": "Zes", "vSeven": "Zeven", "vEight": "Acht",
        "vNine": "Negen", "vTen": "Tien", "vEleven": "Elf", "vTwelve": "Twaalf",
        "vSelectAllBtn": "&Alles kiezen",
        "vInverseSelBtn": "Keuze &omdraaien",
        "vExpertBtn": "&Expert-opties",
        "vStartWorkBtn": "Beginnen met &rekenen",
        "vPrintCalcBtn": "Sommen af&drukken",
        "vQuitBtn": "Numerillo af&sluiten",
        "vComment": "Klik op de tafels van vermenigvuldiging die je wilt oefenen. "
                    "Als je klaar bent met kiezen, druk je op de knop 'Beginnen met "
                    "rekenen'. Veel succes met oefenen!",
        "vCaptionGroupBox": "Oefenen met de tafels...",
        "vMenuFilesCaption": "&Bestand",
        "vMenuQuitCaption": "&Afsluiten",
        "vMenuLangCaption": "&Taal",
        "vMenuAboutCaption": "&Help",
        "vMenuAboutIndexcaption": "&Help",
        "vMenuAbout1Caption": "&Over Numerillo",
        "vMenuProgressCaption": "&Voortgang",
    },
    "FCalculator": {
        "vCaptionBtn1": "&Terug",
        "vCaptionBtn6": "&Expert",
        "vCaptionBtn8": "&Geluid",
        "vCaptionBtn10": "&Scherm",
        "vCaptionBtn9": "&Help",
        "vCaptionBtn2": "Enter",
        "vLastCalcLbl": "Laatste som:",
        "vResultWaitLbl": "Jouw beurt!",
        "vResultRightLbl": "Goed zo!",
        "vResultWrongLbl": "Oei, dat is fout!",
        "vResultLateLbl": "De tijd is om!",
        "vResultRightLateLbl": "Goed, maar te laat",
        "vResultWrongLateLbl": "Fout en te laat",
        "vModeWrittenStateLbl": "Schriftelijk",
        "vModeMentalStateLbl": "Hoofdrekenen",
        "vModeWaitingStateLbl": "Ben je klaar?",
        "vModeClickEnterStateLbl": "Druk nu op Enter!",
        "vModeTimerStateLbl": "De chrono loopt!",
        "vCounterLbl": "Je score",
        "vOperationLbl": "Sommen:",
        "vErrorsLbl": "Fouten:",
        "vAverageLbl": "Cijfer:",
        "vAverageCalc": "van de 10",
        "vResetBtn": "&Opnieuw",
        "vTimerGoBtn": "&Chrono starten",
        "vTimerStopBtn": "Chrono sto&ppen",
        "vThinkTimeCaption": "Denktijd",
        "vGaugeCaption": "Tijdbalk",
        "vGaugeVisibleItem": "Zichtbaar",
        "vGaugeHiddenItem": "Verborgen",
        "vModeCaption": "Modus",
        "vModeWrittenItem": "Schriftelijk",
        "vModeMentalItem": "Hoofdrekenen",
        "vDispAnswerCaption": "Antwoord tonen gedurende",
        "vHideTextLbl": "Tekst verbergen",
        "vViewInfoLbl": "Tekst tonen",
        "vRightInfoText1Lbl": "Typ je antwoord met de knoppen of het toetsenbord "
                              "en bevestig het met de Enter-toets.",
        "vRightInfoText2Lbl": "Weet je het niet? Klik op de ziekenwagen om het "
                              "antwoord te zien en druk dan op Enter.",
        "vRightInfoText3Lbl": "Met Opnieuw zet je de tellers weer op 0. De chrono "
                              "geeft je een tijdslimiet voor elke som.",
        "vLeftInfoTextTopLbl": "Reken uit je hoofd!",
        "vLeftInfoTextBotLbl": "Je typt niets: het antwoord verschijnt als de tijd "
                               "om is. Druk op Enter om het eerder te zien.",
        "vHelpTopInfoLbl": "Klik op de blauwe onderstreepte woorden om naar een "
                           "onderwerp te gaan.",
        "vHelpCloseBtn": "Sl&uiten",
    },
    "FSwap": {
        "vFSWapCaption": "Expert-opties",
        "vCrossMultiplicatorsLbl": "Moeten de twee getallen van een vermenigvuldiging "
                                   "soms van plaats wisselen (3 x 7 in plaats van 7 x 3)?",
        "vCrossYesRadioBtnCaption": "&Ja",
        "vCrossNoRadioBtnCaption": "&Nee",
        "vSmallestMultiplicatorLbl": "De vermenigvuldiger moet groter dan of gelijk "
                                     "zijn aan:",
        "vSeeHelpFileLbl": "Kijk in de help voor meer uitleg.",
    },
    "FSound": {
        "vFSoundCaption": "Geluidsopties",
        "vGroupBoxCaption": "Beschikbare geluidsreeksen",
        "vListenCaptionBtn": "&Luister naar deze reeks",
        "vEditCaptionBtn": "Deze reeks &aanpassen",
        "vNoSoundCaptionLbl": "Het geluid staat uit",
    },
    "FAudio": {
        "vFAudioCaption": "Geluidsreeks instellen",
        "vSeqTitleLbl": "Titel van deze geluidsreeks:",
        "vMaxCharLbl": "(Max. 10 tekens)",
        "vRadioGroupCaption": "Gebeurtenissen voor",
        "vAssocLbl": "Geluidsbestand voor gebeurtenis",
        "vAssocOtherBtn": "Ander geluid &kiezen",
        "vSoundFilesLbl": "Geluidsbestanden (*.wav, *.mp3)",
        "vAssociateCaptionBtn": "Dit geluid &gebruiken",
        "vCancelCaptionBtn": "&Annuleren",
        "vChangedMessageDlg": "is veranderd. Wil je deze reeks bewaren?",
    },
    "AfterRecordDlg": {
        "vAfterRecordDlgCaption": "Opname klaar",
        "vWhatToDoLbl": "Wat wil je doen met de opgenomen sommen?",
        "vOKCaptionBtn": "Nog eens &oefenen",
        "vCancelCaptionBtn": "&Wissen",
        "vEraseOperationsMsg": "De opgenomen sommen zijn gewist.",
    },
    "RecordDlg": {
        "vRecordDlgCaption": "Sommen opnemen",
        "vNextOpRBCaption": "De volgende &sommen opnemen",
        "vNextErrRBCaption": "De volgende &fouten opnemen",
        "vNoRecRBCaption": "&Niet opnemen",
        "vRecNextLbl": "Aantal om op te nemen:",
        "vInfoLbl": "Als de opname klaar is, kun je deze sommen nog eens maken "
                    "of ze wissen.",
    },
    "PrintDlg": {
        "vPrintDlgCaption": "Wat wil je afdrukken?",
        "vRandomRBCaption": "&Willekeurige sommen uit de gekozen tafels",
        "vNoAnswerRBCaption": "Tafels 1 tot 12 &zonder antwoorden",
        "vWithAnswerRBCaption": "Tafels 1 tot 12 &met antwoorden",
        "vGridRBCaption": "&Tafelrooster",
        "vRadioGroup1Caption": "Afdrukken op",
        "vRG1Item0Lbl": "&Scherm",
        "vRG1Item1Lbl": "&Papier",
        "vPrintBtnCaption": "&Afdrukken",
        "vCancelBtnCaption": "Annu&leren",
        "vQRRandSheetTitle": "Willekeurige sommen uit jouw tafels",
        "vQRRandSheetComment": "Vul de antwoorden in! Tafels:",
        "vQROptions": "Opties",
        "vQRRandSheetCrossed": "Getallen gewisseld: ja",
        "vQRRandSheetNotCrossed": "Getallen gewisseld: nee",
        "vQRRandSheetMult": "Kleinste vermenigvuldiger:",
        "vQROtherSheetTitle": "De tafels van vermenigvuldiging van 1 tot 12",
        "vQROtherSheetComment": "Schrijf de antwoorden achter de =-tekens.",
        "vQRDateString": "Afgedrukt op",
        "vQRPrintGridCaption": "Tafelrooster",
    },
    "FColor": {
        "vFcolorCaption": "Schermkleuren",
        "vSolidColBtn": "&Effen...",
        "vFactoryBtn": "&Ontwerp",
    },
    "MakeBackGround": {
        "vMakeBackGroundCaption": "Achtergrond",
        "vTopColBtn": "&Beginkleur",
        "vMidColBtn": "&Middenkleur",
        "vEndColBtn": "&Eindkleur",
    },
    "FProgress": {
        "vFProgressCaption": "Voortgang",
        "vMultiplyGridLbl": "Vermenigvuldigingen",
        "vDivideGridLbl": "Delingen",
        "vAxesLbl": "Tafels naar beneden, vermenigvuldigers naar rechts. Wijs een vakje aan om je antwoorden te zien.",
        "vNotSeenLbl": "Nog niet geprobeerd",
        "vLearningLbl": "Aan het leren",
        "vShakyLbl": "Wankel",
        "vKnownLbl": "Gekend",
        "vMasteredLbl": "Beheerst",
        "vCellTip": "%1 (%2): %3 pogingen, %4 goed, mediane tijd %5 s",
        "vCellNotSeenTip": "%1: nog niet geprobeerd",
        "vTotalsLbl": "Antwoorden: %1     Goed: %2 %     Beheerste sommen: %3 van 288",
        "vChartLbl": "De laatste acht weken: antwoorden per dag (staven) en het deel goede antwoorden (lijn)",
        "vDayTip": "%1: %2 antwoorden, %3 % goed",
        "vDrillWeakBtn": "&Oefen mijn zwakke sommen",
        "vWeakSheetBtn": "&Werkblad met zwakke sommen",
        "vCloseBtn": "&Sluiten",
    },
}

LANGUAGES["de"] = {
    "FStart": {
        "vOne": "Eins", "vTwo": "Zwei", "vThree": "Drei", "vFour": "Vier",
        "vFive": "Fünf", "vSix": "Sechs", "vSeven": "Sieben", "vEight": "Acht",
        "vNine": "Neun", "vTen": "Zehn", "vEleven": "Elf", "vTwelve": "Zwölf",
        "vSelectAllBtn": "Alle aus&wählen",
        "vInverseSelBtn": "Auswahl &umkehren",
        "vExpertBtn": "&Experten-Optionen",
        "vStartWorkBtn": "&Rechnen beginnen",
        "vPrintCalcBtn": "&Aufgaben drucken",
        "vQuitBtn": "Numerillo &beenden",
        "vComment": "Klicke auf die Einmaleins-Reihen, die du üben möchtest. Wenn "
                    "du fertig bist, drücke auf den Knopf 'Rechnen beginnen'. Viel "
                    "Erfolg beim Üben!",
        "vCaptionGroupBox": "Mit den Reihen üben...",
        "vMenuFilesCaption": "&Datei",
        "vMenuQuitCaption": "&Beenden",
        "vMenuLangCaption": "S&prache",
        "vMenuAboutCaption": "&Hilfe",
        "vMenuAboutIndexcaption": "&Hilfe",
        "vMenuAbout1Caption": "Ü&ber Numerillo",
        "vMenuProgressCaption": "&Fortschritt",
    },
    "FCalculator": {
        "vCaptionBtn1": "&Zurück",
        "vCaptionBtn6": "&Experte",
        "vCaptionBtn8": "&Ton",
        "vCaptionBtn10": "&Farben",
        "vCaptionBtn9": "&Hilfe",
        "vCaptionBtn2": "Enter",
        "vLastCalcLbl": "Letzte Aufgabe:",
        "vResultWaitLbl": "Du bist dran!",
        "vResultRightLbl": "Super, richtig!",
        "vResultWrongLbl": "Hoppla, falsch!",
        "vResultLateLbl": "Die Zeit ist um!",
        "vResultRightLateLbl": "Richtig, aber spät",
        "vResultWrongLateLbl": "Falsch und zu spät",
        "vModeWrittenStateLbl": "Schriftlich",
        "vModeMentalStateLbl": "Kopfrechnen",
        "vModeWaitingStateLbl": "Bist du bereit?",
        "vModeClickEnterStateLbl": "Drück jetzt Enter!",
        "vModeTimerStateLbl": "Die Stoppuhr läuft!",
        "vCounterLbl": "Dein Ergebnis",
        "vOperationLbl": "Aufgaben:",
        "vErrorsLbl": "Fehler:",
        "vAverageLbl": "Punkte:",
        "vAverageCalc": "von 10",
        "vResetBtn": "&Neu starten",
        "vTimerGoBtn": "Stoppuhr st&arten",
        "vTimerStopBtn": "Stoppuhr st&oppen",
        "vThinkTimeCaption": "Denkzeit",
        "vGaugeCaption": "Zeitbalken",
        "vGaugeVisibleItem": "Sichtbar",
        "vGaugeHiddenItem": "Versteckt",
        "vModeCaption": "Modus",
        "vModeWrittenItem": "Schriftlich",
        "vModeMentalItem": "Im Kopf",
        "vDispAnswerCaption": "Antwort zeigen für",
        "vHideTextLbl": "Text ausblenden",
        "vViewInfoLbl": "Text zeigen",
        "vRightInfoText1Lbl": "Tippe deine Antwort mit den Tasten oder der Tastatur "
                              "ein und bestätige sie mit der Enter-Taste.",
        "vRightInfoText2Lbl": "Du weißt es nicht? Klicke auf den Krankenwagen, dann "
                              "siehst du die Antwort. Drücke danach Enter.",
        "vRightInfoText3Lbl": "Neu starten setzt die Zähler auf 0 zurück. Die "
                              "Stoppuhr gibt dir für jede Aufgabe eine Zeitgrenze.",
        "vLeftInfoTextTopLbl": "Rechne im Kopf!",
        "vLeftInfoTextBotLbl": "Du tippst nichts ein: Die Antwort erscheint, wenn die "
                               "Zeit um ist. Drücke Enter, um sie früher zu sehen.",
        "vHelpTopInfoLbl": "Klicke auf die blauen unterstrichenen Texte, um zu einem "
                           "Thema zu springen.",
        "vHelpCloseBtn": "&Schließen",
    },
    "FSwap": {
        "vFSWapCaption": "Experten-Optionen",
        "vCrossMultiplicatorsLbl": "Sollen die beiden Zahlen einer Malaufgabe manchmal "
                                   "die Plätze tauschen (3 x 7 statt 7 x 3)?",
        "vCrossYesRadioBtnCaption": "&Ja",
        "vCrossNoRadioBtnCaption": "&Nein",
        "vSmallestMultiplicatorLbl": "Der Multiplikator muss größer oder gleich "
                                     "dieser Zahl sein:",
        "vSeeHelpFileLbl": "Mehr dazu findest du in der Hilfe.",
    },
    "FSound": {
        "vFSoundCaption": "Ton-Einstellungen",
        "vGroupBoxCaption": "Verfügbare Klangfolgen",
        "vListenCaptionBtn": "Diese Folge an&hören",
        "vEditCaptionBtn": "Diese Folge &bearbeiten",
        "vNoSoundCaptionLbl": "Der Ton ist ausgeschaltet",
    },
    "FAudio": {
        "vFAudioCaption": "Klangfolge einrichten",
        "vSeqTitleLbl": "Titel dieser Klangfolge:",
        "vMaxCharLbl": "(Max. 10 Zeichen)",
        "vRadioGroupCaption": "Ereignisse für",
        "vAssocLbl": "Tondatei für Ereignis",
        "vAssocOtherBtn": "&Anderen Ton wählen",
        "vSoundFilesLbl": "Tondateien (*.wav, *.mp3)",
        "vAssociateCaptionBtn": "Diesen Ton &nehmen",
        "vCancelCaptionBtn": "Abb&rechen",
        "vChangedMessageDlg": "wurde geändert. Möchtest du die Änderungen speichern?",
    },
    "AfterRecordDlg": {
        "vAfterRecordDlgCaption": "Aufnahme fertig",
        "vWhatToDoLbl": "Was möchtest du mit den aufgenommenen Aufgaben machen?",
        "vOKCaptionBtn": "&Wiederholen",
        "vCancelCaptionBtn": "&Löschen",
        "vEraseOperationsMsg": "Die aufgenommenen Aufgaben wurden gelöscht.",
    },
    "RecordDlg": {
        "vRecordDlgCaption": "Aufgaben aufnehmen",
        "vNextOpRBCaption": "Die nächsten &Aufgaben aufnehmen",
        "vNextErrRBCaption": "Die nächsten &Fehler aufnehmen",
        "vNoRecRBCaption": "&Nichts aufnehmen",
        "vRecNextLbl": "Wie viele aufnehmen:",
        "vInfoLbl": "Wenn die Aufnahme fertig ist, kannst du diese Aufgaben "
                    "wiederholen oder löschen.",
    },
    "PrintDlg": {
        "vPrintDlgCaption": "Was möchtest du drucken?",
        "vRandomRBCaption": "&Zufällige Aufgaben aus den gewählten Reihen",
        "vNoAnswerRBCaption": "Reihen 1 bis 12 &ohne Lösungen",
        "vWithAnswerRBCaption": "Reihen 1 bis 12 &mit Lösungen",
        "vGridRBCaption": "Einmaleins-&Tabelle",
        "vRadioGroup1Caption": "Drucken auf",
        "vRG1Item0Lbl": "&Bildschirm",
        "vRG1Item1Lbl": "&Papier",
        "vPrintBtnCaption": "&Drucken",
        "vCancelBtnCaption": "Abb&rechen",
        "vQRRandSheetTitle": "Zufällige Aufgaben aus deinen Einmaleins-Reihen",
        "vQRRandSheetComment": "Finde die Lösungen! Reihen:",
        "vQROptions": "Optionen",
        "vQRRandSheetCrossed": "Zahlen getauscht: ja",
        "vQRRandSheetNotCrossed": "Zahlen getauscht: nein",
        "vQRRandSheetMult": "Kleinster Multiplikator:",
        "vQROtherSheetTitle": "Das Einmaleins von 1 bis 12",
        "vQROtherSheetComment": "Schreibe die Lösungen hinter die Gleichheitszeichen.",
        "vQRDateString": "Gedruckt am",
        "vQRPrintGridCaption": "Einmaleins-Tabelle",
    },
    "FColor": {
        "vFcolorCaption": "Bildschirmfarben",
        "vSolidColBtn": "&Farbe...",
        "vFactoryBtn": "&Entwurf",
    },
    "MakeBackGround": {
        "vMakeBackGroundCaption": "Hintergrund",
        "vTopColBtn": "&Anfangsfarbe",
        "vMidColBtn": "&Mittelfarbe",
        "vEndColBtn": "&Endfarbe",
    },
    "FProgress": {
        "vFProgressCaption": "Fortschritt",
        "vMultiplyGridLbl": "Malaufgaben",
        "vDivideGridLbl": "Geteiltaufgaben",
        "vAxesLbl": "Reihen nach unten, Multiplikatoren nach rechts. Zeige auf ein Feld, um deine Antworten zu sehen.",
        "vNotSeenLbl": "Noch nicht geübt",
        "vLearningLbl": "Am Lernen",
        "vShakyLbl": "Unsicher",
        "vKnownLbl": "Gekonnt",
        "vMasteredLbl": "Beherrscht",
        "vCellTip": "%1 (%2): %3 Versuche, %4 richtig, mittlere Zeit %5 s",
        "vCellNotSeenTip": "%1: noch nicht geübt",
        "vTotalsLbl": "Antworten: %1     Richtig: %2 %     Beherrscht: %3 von 288",
        "vChartLbl": "Die letzten acht Wochen: Antworten pro Tag (Balken) und Anteil richtiger Antworten (Linie)",
        "vDayTip": "%1: %2 Antworten, %3 % richtig",
        "vDrillWeakBtn": "&Schwache Aufgaben üben",
        "vWeakSheetBtn": "&Arbeitsblatt der schwachen Aufgaben",
        "vCloseBtn": "S&chließen",
    },
}

LANGUAGES["it"] = {
    "FStart": {
        "vOne": "Uno", "vTwo": "Due", "vThree": "Tre", "vFour": "Quattro",
        "vFive": "Cinque", "vSix": "Sei", "vSeven": "Sette", "vEight": "Otto",
        "vNine": "Nove", "vTen": "Dieci", "vEleven": "Undici", "vTwelve": "Dodici",
        "vSelectAllBtn": "Seleziona &tutte",
        "vInverseSelBtn": "&Inverti selezione",
        "vExpertBtn": 'Opzioni "Es&perto"',
        "vStartWorkBtn": "Co&mincia a calcolare",
        "vPrintCalcBtn": "&Stampa esercizi",
        "vQuitBtn": "&Esci da Numerillo",
        "vComment": "Clicca sulle tabelline che vuoi studiare. Quando hai fatto la "
                    "tua scelta, premi il pulsante 'Comincia a calcolare'. Buon lavoro!",
        "vCaptionGroupBox": "Lavora con le tabelline...",
        "vMenuFilesCaption": "&File",
        "vMenuQuitCaption": "&Esci",
        "vMenuLangCaption": "&Lingua",
        "vMenuAboutCaption": "&Aiuto",
        "vMenuAboutIndexcaption": "&Guida",
        "vMenuAbout1Caption": "&Informazioni su Numerillo",
        "vMenuProgressCaption": "&Progressi",
    },
    "FCalculator": {
        "vCaptionBtn1": "&Indietro",
        "vCaptionBtn6": "&Esperto",
        "vCaptionBtn8": "&Suono",
        "vCaptionBtn10": "Sche&rmo",
        "vCaptionBtn9": "&Aiuto",
        "vCaptionBtn2": "Invio",
        "vLastCalcLbl": "Ultimo calcolo:",
        "vResultWaitLbl": "Tocca a te!",
        "vResultRightLbl": "Ottimo, è giusto!",
        "vResultWrongLbl": "Ops, sbagliato!",
        "vResultLateLbl": "Tempo scaduto!",
        "vResultRightLateLbl": "Giusto, ma tardi",
        "vResultWrongLateLbl": "Sbagliato e tardi",
        "vModeWrittenStateLbl": "Modo scritto",
        "vModeMentalStateLbl": "Calcolo a mente",
        "vModeWaitingStateLbl": "Cominciamo?",
        "vModeClickEnterStateLbl": "Ora premi Invio!",
        "vModeTimerStateLbl": "Cronometro avviato!",
        "vCounterLbl": "Il tuo punteggio",
        "vOperationLbl": "Calcoli:",
        "vErrorsLbl": "Errori:",
        "vAverageLbl": "Voto:",
        "vAverageCalc": "su 10",
        "vResetBtn": "A&zzera",
        "vTimerGoBtn": "A&vvia il cronometro",
        "vTimerStopBtn": "&Ferma il cronometro",
        "vThinkTimeCaption": "Tempo per pensare",
        "vGaugeCaption": "Barra del tempo",
        "vGaugeVisibleItem": "Visibile",
        "vGaugeHiddenItem": "Nascosta",
        "vModeCaption": "Modo",
        "vModeWrittenItem": "Scritto",
        "vModeMentalItem": "A mente",
        "vDispAnswerCaption": "Mostra la risposta per",
        "vHideTextLbl": "Nascondi il testo",
        "vViewInfoLbl": "Mostra il testo",
        "vRightInfoText1Lbl": "Scrivi la risposta con i tasti o con la tastiera, "
                              "poi confermala con il tasto Invio.",
        "vRightInfoText2Lbl": "Non la sai? Clicca sull'ambulanza per vedere la "
                              "risposta, poi premi Invio.",
        "vRightInfoText3Lbl": "Azzera riporta i contatori a 0. Il cronometro ti dà "
                              "un tempo massimo per ogni calcolo.",
        "vLeftInfoTextTopLbl": "Calcola a mente!",
        "vLeftInfoTextBotLbl": "Non scrivere niente: la risposta compare quando il "
                               "tempo è finito. Premi Invio per vederla prima.",
        "vHelpTopInfoLbl": "Clicca sui testi blu sottolineati per andare a un argomento.",
        "vHelpCloseBtn": "&Chiudi",
    },
    "FSwap": {
        "vFSWapCaption": 'Opzioni "Esperto"',
        "vCrossMultiplicatorsLbl": "Vuoi che ogni tanto i due numeri di una "
                                   "moltiplicazione si scambino di posto (3 x 7 "
                                   "invece di 7 x 3)?",
        "vCrossYesRadioBtnCaption": "&Sì",
        "vCrossNoRadioBtnCaption": "&No",
        "vSmallestMultiplicatorLbl": "Il moltiplicatore deve essere maggiore o uguale a:",
        "vSeeHelpFileLbl": "Per saperne di più, guarda l'aiuto.",
    },
    "FSound": {
        "vFSoundCaption": "Opzioni audio",
        "vGroupBoxCaption": "Sequenze sonore disponibili",
        "vListenCaptionBtn": "&Ascolta questa sequenza",
        "vEditCaptionBtn": "&Modifica questa sequenza",
        "vNoSoundCaptionLbl": "Audio disattivato",
    },
    "FAudio": {
        "vFAudioCaption": "Configura la sequenza sonora",
        "vSeqTitleLbl": "Titolo di questa sequenza:",
        "vMaxCharLbl": "(Max. 10 caratteri)",
        "vRadioGroupCaption": "Eventi per",
        "vAssocLbl": "File audio dell'evento",
        "vAssocOtherBtn": "Scegli un &altro suono",
        "vSoundFilesLbl": "File audio (*.wav, *.mp3)",
        "vAssociateCaptionBtn": "&Usa questo suono",
        "vCancelCaptionBtn": "A&nnulla",
        "vChangedMessageDlg": "è cambiata. Vuoi salvare questa sequenza?",
    },
    "AfterRecordDlg": {
        "vAfterRecordDlgCaption": "Registrazione finita",
        "vWhatToDoLbl": "Che cosa vuoi fare con i calcoli registrati?",
        "vOKCaptionBtn": "&Ripassali",
        "vCancelCaptionBtn": "&Cancellali",
        "vEraseOperationsMsg": "I calcoli registrati sono stati cancellati.",
    },
    "RecordDlg": {
        "vRecordDlgCaption": "Registra i calcoli",
        "vNextOpRBCaption": "Registra i prossimi &calcoli",
        "vNextErrRBCaption": "Registra i prossimi &errori",
        "vNoRecRBCaption": "&Non registrare",
        "vRecNextLbl": "Quanti registrarne:",
        "vInfoLbl": "Quando la registrazione è finita, puoi rifare questi calcoli "
                    "o cancellarli.",
    },
    "PrintDlg": {
        "vPrintDlgCaption": "Che cosa vuoi stampare?",
        "vRandomRBCaption": "Calcoli a &caso dalle tabelline scelte",
        "vNoAnswerRBCaption": "Tabelline da 1 a 12 &senza risultati",
        "vWithAnswerRBCaption": "Tabelline da 1 a 12 c&on risultati",
        "vGridRBCaption": "&Tavola pitagorica",
        "vRadioGroup1Caption": "Stampa su",
        "vRG1Item0Lbl": "Sc&hermo",
        "vRG1Item1Lbl": "C&arta",
        "vPrintBtnCaption": "Stam&pa",
        "vCancelBtnCaption": "A&nnulla",
        "vQRRandSheetTitle": "Calcoli scelti a caso dalle tue tabelline",
        "vQRRandSheetComment": "Trova i risultati! Tabelline:",
        "vQROptions": "Opzioni",
        "vQRRandSheetCrossed": "Numeri scambiati: sì",
        "vQRRandSheetNotCrossed": "Numeri scambiati: no",
        "vQRRandSheetMult": "Moltiplicatore minimo:",
        "vQROtherSheetTitle": "Le tabelline da 1 a 12",
        "vQROtherSheetComment": "Scrivi i risultati dopo i segni =.",
        "vQRDateString": "Stampato il",
        "vQRPrintGridCaption": "Tavola pitagorica",
    },
    "FColor": {
        "vFcolorCaption": "Colori dello schermo",
        "vSolidColBtn": "&Unito...",
        "vFactoryBtn": "&Crea",
    },
    "MakeBackGround": {
        "vMakeBackGroundCaption": "Sfondo",
        "vTopColBtn": "Colore &iniziale",
        "vMidColBtn": "Colore &centrale",
        "vEndColBtn": "Colore &finale",
    },
    "FProgress": {
        "vFProgressCaption": "Progressi",
        "vMultiplyGridLbl": "Moltiplicazioni",
        "vDivideGridLbl": "Divisioni",
        "vAxesLbl": "Tabelline in verticale, moltiplicatori in orizzontale. Punta una casella per vedere le tue risposte.",
        "vNotSeenLbl": "Non ancora provato",
        "vLearningLbl": "In apprendimento",
        "vShakyLbl": "Incerto",
        "vKnownLbl": "Conosciuto",
        "vMasteredLbl": "Padroneggiato",
        "vCellTip": "%1 (%2): %3 tentativi, %4 giusti, tempo mediano %5 s",
        "vCellNotSeenTip": "%1: non ancora provato",
        "vTotalsLbl": "Risposte: %1     Giuste: %2 %     Fatti padroneggiati: %3 su 288",
        "vChartLbl": "Le ultime otto settimane: risposte al giorno (barre) e quota di risposte giuste (linea)",
        "vDayTip": "%1: %2 risposte, %3 % giuste",
        "vDrillWeakBtn": "&Esercita i miei punti deboli",
        "vWeakSheetBtn": "&Scheda dei punti deboli",
        "vCloseBtn": "&Chiudi",
    },
}

LANGUAGES["es"] = {
    "FStart": {
        "vOne": "Uno", "vTwo": "Dos", "vThree": "Tres", "vFour": "Cuatro",
        "vFive": "Cinco", "vSix": "Seis", "vSeven": "Siete", "vEight": "Ocho",
        "vNine": "Nueve", "vTen": "Diez", "vEleven": "Once", "vTwelve": "Doce",
        "vSelectAllBtn": "Seleccionar &todas",
        "vInverseSelBtn": "&Invertir selección",
        "vExpertBtn": 'Opciones "&Experto"',
        "vStartWorkBtn": "Empezar a &calcular",
        "vPrintCalcBtn": "Im&primir ejercicios",
        "vQuitBtn": "&Salir de Numerillo",
        "vComment": "Haz clic en las tablas de multiplicar que quieres estudiar. "
                    "Cuando hayas hecho tu elección, pulsa el botón 'Empezar a "
                    "calcular'. ¡Buena suerte con tu trabajo!",
        "vCaptionGroupBox": "Trabajar con las tablas...",
        "vMenuFilesCaption": "&Archivo",
        "vMenuQuitCaption": "&Salir",
        "vMenuLangCaption": "I&dioma",
        "vMenuAboutCaption": "Ay&uda",
        "vMenuAboutIndexcaption": "&Ayuda",
        "vMenuAbout1Caption": "Acerca &de Numerillo",
        "vMenuProgressCaption": "&Progreso",
    },
    "FCalculator": {
        "vCaptionBtn1": "&Volver",
        "vCaptionBtn6": "&Experto",
        "vCaptionBtn8": "&Sonido",
        "vCaptionBtn10": "&Pantalla",
        "vCaptionBtn9": "Ay&uda",
        "vCaptionBtn2": "Intro",
        "vLastCalcLbl": "Última operación:",
        "vResultWaitLbl": "¡Te toca a ti!",
        "vResultRightLbl": "¡Muy bien!",
        "vResultWrongLbl": "¡Uy, no es correcto!",
        "vResultLateLbl": "¡Se acabó el tiempo!",
        "vResultRightLateLbl": "Bien, pero tarde",
        "vResultWrongLateLbl": "Mal y tarde",
        "vModeWrittenStateLbl": "Modo escrito",
        "vModeMentalStateLbl": "Cálculo mental",
        "vModeWaitingStateLbl": "¿Empezamos?",
        "vModeClickEnterStateLbl": "¡Ahora pulsa Intro!",
        "vModeTimerStateLbl": "¡Cronómetro en marcha!",
        "vCounterLbl": "Tu puntuación",
        "vOperationLbl": "Operaciones:",
        "vErrorsLbl": "Errores:",
        "vAverageLbl": "Nota:",
        "vAverageCalc": "sobre 10",
        "vResetBtn": "Poner a &cero",
        "vTimerGoBtn": "&Iniciar el cronómetro",
        "vTimerStopBtn": "&Detener el cronómetro",
        "vThinkTimeCaption": "Tiempo para pensar",
        "vGaugeCaption": "Barra de tiempo",
        "vGaugeVisibleItem": "Visible",
        "vGaugeHiddenItem": "Oculta",
        "vModeCaption": "Modo",
        "vModeWrittenItem": "Escrito",
        "vModeMentalItem": "Mental",
        "vDispAnswerCaption": "Mostrar la respuesta durante",
        "vHideTextLbl": "Ocultar el texto",
        "vViewInfoLbl": "Ver el texto",
        "vRightInfoText1Lbl": "Escribe tu respuesta con las teclas o con el teclado "
                              "y confírmala con la tecla Intro.",
        "vRightInfoText2Lbl": "¿No lo sabes? Haz clic en la ambulancia para ver la "
                              "respuesta y luego pulsa Intro.",
        "vRightInfoText3Lbl": "Poner a cero deja los contadores en 0. El cronómetro "
                              "te da un tiempo límite para cada operación.",
        "vLeftInfoTextTopLbl": "¡Calcula de cabeza!",
        "vLeftInfoTextBotLbl": "No escribas nada: la respuesta aparece cuando se "
                               "acaba el tiempo. Pulsa Intro para verla antes.",
        "vHelpTopInfoLbl": "Haz clic en los textos azules subrayados para ir a un tema.",
        "vHelpCloseBtn": "Ce&rrar",
    },
    "FSwap": {
        "vFSWapCaption": 'Opciones "Experto"',
        "vCrossMultiplicatorsLbl": "¿Quieres que a veces los dos números de una "
                                   "multiplicación cambien de lugar (3 x 7 en vez "
                                   "de 7 x 3)?",
        "vCrossYesRadioBtnCaption": "&Sí",
        "vCrossNoRadioBtnCaption": "&No",
        "vSmallestMultiplicatorLbl": "El multiplicador debe ser mayor o igual que:",
        "vSeeHelpFileLbl": "Para saber más, mira la ayuda.",
    },
    "FSound": {
        "vFSoundCaption": "Opciones de sonido",
        "vGroupBoxCaption": "Secuencias de sonido disponibles",
        "vListenCaptionBtn": "&Escuchar esta secuencia",
        "vEditCaptionBtn": "&Modificar esta secuencia",
        "vNoSoundCaptionLbl": "Sonido desactivado",
    },
    "FAudio": {
        "vFAudioCaption": "Configurar la secuencia de sonido",
        "vSeqTitleLbl": "Título de esta secuencia:",
        "vMaxCharLbl": "(Máx. 10 caracteres)",
        "vRadioGroupCaption": "Eventos para",
        "vAssocLbl": "Archivo de sonido del evento",
        "vAssocOtherBtn": "Elegir &otro sonido",
        "vSoundFilesLbl": "Archivos de sonido (*.wav, *.mp3)",
        "vAssociateCaptionBtn": "&Usar este sonido",
        "vCancelCaptionBtn": "&Cancelar",
        "vChangedMessageDlg": "ha cambiado. ¿Quieres guardar esta secuencia?",
    },
    "AfterRecordDlg": {
        "vAfterRecordDlgCaption": "Grabación terminada",
        "vWhatToDoLbl": "¿Qué quieres hacer con las operaciones grabadas?",
        "vOKCaptionBtn": "&Repasarlas",
        "vCancelCaptionBtn": "&Borrarlas",
        "vEraseOperationsMsg": "Las operaciones grabadas se han borrado.",
    },
    "RecordDlg": {
        "vRecordDlgCaption": "Grabar operaciones",
        "vNextOpRBCaption": "Grabar las próximas &operaciones",
        "vNextErrRBCaption": "Grabar los próximos &errores",
        "vNoRecRBCaption": "&No grabar",
        "vRecNextLbl": "Cuántas grabar:",
        "vInfoLbl": "Cuando termine la grabación, podrás repasar estas operaciones "
                    "o borrarlas.",
    },
    "PrintDlg": {
        "vPrintDlgCaption": "¿Qué quieres imprimir?",
        "vRandomRBCaption": "Operaciones al &azar de las tablas elegidas",
        "vNoAnswerRBCaption": "Tablas del 1 al 12 &sin respuestas",
        "vWithAnswerRBCaption": "Tablas del 1 al 12 c&on respuestas",
        "vGridRBCaption": "Tabla de &Pitágoras",
        "vRadioGroup1Caption": "Imprimir en",
        "vRG1Item0Lbl": "Pan&talla",
        "vRG1Item1Lbl": "Pap&el",
        "vPrintBtnCaption": "&Imprimir",
        "vCancelBtnCaption": "&Cancelar",
        "vQRRandSheetTitle": "Operaciones elegidas al azar de tus tablas",
        "vQRRandSheetComment": "¡Encuentra las respuestas! Tablas:",
        "vQROptions": "Opciones",
        "vQRRandSheetCrossed": "Números cambiados: sí",
        "vQRRandSheetNotCrossed": "Números cambiados: no",
        "vQRRandSheetMult": "Multiplicador mínimo:",
        "vQROtherSheetTitle": "Las tablas de multiplicar del 1 al 12",
        "vQROtherSheetComment": "Escribe las respuestas después de los signos =.",
        "vQRDateString": "Impreso el",
        "vQRPrintGridCaption": "Tabla de Pitágoras",
    },
    "FColor": {
        "vFcolorCaption": "Colores de la pantalla",
        "vSolidColBtn": "&Liso...",
        "vFactoryBtn": "&Diseño",
    },
    "MakeBackGround": {
        "vMakeBackGroundCaption": "Fondo",
        "vTopColBtn": "Color &inicial",
        "vMidColBtn": "Color &central",
        "vEndColBtn": "Color &final",
    },
    "FProgress": {
        "vFProgressCaption": "Progreso",
        "vMultiplyGridLbl": "Multiplicaciones",
        "vDivideGridLbl": "Divisiones",
        "vAxesLbl": "Tablas hacia abajo, multiplicadores a lo ancho. Señala una casilla para ver tus respuestas.",
        "vNotSeenLbl": "Sin probar aún",
        "vLearningLbl": "Aprendiendo",
        "vShakyLbl": "Inseguro",
        "vKnownLbl": "Sabido",
        "vMasteredLbl": "Dominado",
        "vCellTip": "%1 (%2): %3 intentos, %4 correctos, tiempo mediano %5 s",
        "vCellNotSeenTip": "%1: sin probar aún",
        "vTotalsLbl": "Respuestas: %1     Correctas: %2 %     Operaciones dominadas: %3 de 288",
        "vChartLbl": "Las últimas ocho semanas: respuestas por día (barras) y parte de respuestas correctas (línea)",
        "vDayTip": "%1: %2 respuestas, %3 % correctas",
        "vDrillWeakBtn": "&Practicar mis puntos débiles",
        "vWeakSheetBtn": "&Ficha de puntos débiles",
        "vCloseBtn": "&Cerrar",
    },
}

# Operator names in the order multiply, divide, alternate, random. The English
# and French lines are the ones the program itself writes when they are missing.
OPERATORS = {
    "en": ["Operator: Multiply", "Operator: Divide", "Operator: Alternate",
           "Operator: Random"],
    "fr": ["Operateur: Multiplier", "Operateur: Diviser", "Operateur: Alterné",
           "Operateur: Aléatoire"],
    "nl": ["Som: Keer", "Som: Delen", "Som: Afwisselend", "Som: Willekeurig"],
    "de": ["Rechenart: Mal", "Rechenart: Geteilt", "Rechenart: Wechsel",
           "Rechenart: Zufall"],
    "it": ["Calcolo: Moltiplica", "Calcolo: Dividi", "Calcolo: Alternato",
           "Calcolo: Casuale"],
    "es": ["Cálculo: Multiplicar", "Cálculo: Dividir", "Cálculo: Alternado",
           "Cálculo: Al azar"],
}

# Sound event titles in event order; the editor shows the bracketed number.
SOUND_EVENTS = {
    "en": ["Entering Numerillo", "Starting to calculate", "Right answer",
           "Wrong answer", "Late but right answer", "Late and wrong answer",
           "Time up, no answer", "Quitting Numerillo"],
    "fr": ["Entrée dans Numerillo", "Commencer à calculer", "Réponse juste",
           "Réponse fausse", "Juste mais en retard", "Fausse et en retard",
           "Pas de réponse à temps", "Quitter Numerillo"],
    "nl": ["Numerillo starten", "Beginnen met rekenen", "Goed antwoord",
           "Fout antwoord", "Te laat maar goed", "Te laat en fout",
           "Tijd om, geen antwoord", "Numerillo afsluiten"],
    "de": ["Numerillo starten", "Rechnen beginnen", "Richtige Antwort",
           "Falsche Antwort", "Spät, aber richtig", "Spät und falsch",
           "Zeit um, keine Antwort", "Numerillo beenden"],
    "it": ["Entrata in Numerillo", "Inizio dei calcoli", "Risposta giusta",
           "Risposta sbagliata", "In ritardo ma giusta", "In ritardo e sbagliata",
           "Nessuna risposta", "Uscita da Numerillo"],
    "es": ["Entrar en Numerillo", "Empezar a calcular", "Respuesta correcta",
           "Respuesta incorrecta", "Tarde pero correcta", "Tarde e incorrecta",
           "Sin respuesta a tiempo", "Salir de Numerillo"],
}

COMMENT_KEYS = ["vResultRightLbl", "vResultWrongLbl", "vResultLateLbl",
                "vResultRightLateLbl", "vResultWrongLateLbl"]


def language_keys():
    """Sections and keys as listed in src/lang/LanguageKeys.cpp."""
    text = KEYS_SOURCE.read_text(encoding="utf-8")
    table = {}
    for block in re.finditer(r'\{u"(\w+)"_s,\s*\{(.*?)\}\}', text, re.S):
        table[block.group(1)] = re.findall(r'u"(\w+)"_s', block.group(2))
    return table


def check(code, texts, expected):
    problems = []
    if list(texts) != list(expected):
        problems.append(f"{code}: sections {list(texts)} differ from {list(expected)}")
    for section, keys in expected.items():
        have = texts.get(section, {})
        if list(have) != keys:
            missing = [k for k in keys if k not in have]
            extra = [k for k in have if k not in keys]
            problems.append(f"{code}/{section}: missing {missing}, unknown {extra}, "
                            "or another order")
        for key, value in have.items():
            if not value.strip() or value != value.strip() or "\n" in value:
                problems.append(f"{code}/{section}/{key}: empty, padded or several lines")
            if len(value) >= 2 and value[0] in "\"'" and value[-1] == value[0]:
                problems.append(f"{code}/{section}/{key}: the reader would drop the quotes")
    for key in COMMENT_KEYS:
        if len(texts["FCalculator"][key]) > 20:
            problems.append(f"{code}/{key}: longer than 20 characters")
    return problems


def lng_lines(texts):
    lines = []
    for section, values in texts.items():
        if lines:
            lines.append("")
        lines.append(f"[{section}]")
        lines.extend(f"{key}={value}" for key, value in values.items())
    return lines


def encoded(lines):
    return "".join(line + "\r\n" for line in lines).encode("cp1252")


def main():
    only_check = "--check" in sys.argv[1:]
    expected = language_keys()
    problems = []
    outputs = {}
    for code, texts in LANGUAGES.items():
        problems += check(code, texts, expected)
        outputs[f"{code}.lng"] = encoded(lng_lines(texts))
        outputs[f"{code}OpSel.txt"] = encoded(OPERATORS[code])
        titles = [f"{title} ({n})" for n, title in enumerate(SOUND_EVENTS[code], 1)]
        outputs[f"{code}-soundevents.txt"] = encoded(titles)
    if problems:
        print("\n".join(problems), file=sys.stderr)
        return 1
    stale = []
    for name, data in outputs.items():
        path = SYS_DIR / name
        if only_check:
            if not path.exists() or path.read_bytes() != data:
                stale.append(name)
        else:
            SYS_DIR.mkdir(parents=True, exist_ok=True)
            path.write_bytes(data)
    if stale:
        print("out of date: " + ", ".join(stale), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
