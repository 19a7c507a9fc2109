<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_EU">
<context>
    <name>DefLanguages</name>
    <message>
        <source>LID_PC_60000_01</source>
        <translation>Mise à jour du programme</translation>
    </message>
    <message>
        <source>LID_PC_60000_02</source>
        <translation>Téléchargement des fichiers d'installation en cours.</translation>
    </message>
    <message>
        <source>LID_PC_60000_03</source>
        <translation>Programme déjà en cours d'exécution</translation>
    </message>
    <message>
        <source>LID_PC_60000_04</source>
        <translation>Cartaline est déjà en cours d'exécution.</translation>
    </message>
    <message>
        <source>LID_PC_60000_05</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_01</source>
        <translation>Échec de la mise à jour du programme</translation>
    </message>
    <message>
        <source>LID_PC_60100_02</source>
        <translation>Le réseau n'est pas connecté. 
La mise à jour ne peut pas continuer.</translation>
    </message>
    <message>
        <source>LID_PC_60100_03</source>
        <translation>Vérifiez le réseau (y compris le câble réseau et le routeur), le pare-feu et les paramètres de l'antivirus, puis réessayez.</translation>
    </message>
    <message>
        <source>LID_PC_60100_04</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_05</source>
        <translation>Échec de la mise à jour du programme</translation>
    </message>
    <message>
        <source>LID_PC_60100_06</source>
        <translation>Le fichier de mise à jour est introuvable.</translation>
    </message>
    <message>
        <source>LID_PC_60100_07</source>
        <translation>Veuillez réessayer plus tard.</translation>
    </message>
    <message>
        <source>LID_PC_60100_17</source>
        <translation>Si le problème persiste, veuillez contacter le service client.</translation>
    </message>
    <message>
        <source>LID_PC_60100_08</source>
        <translation>Accéder au site Web du service client</translation>
    </message>
    <message>
        <source>LID_PC_60100_09</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_10</source>
        <translation>Arrêter la mise à jour</translation>
    </message>
    <message>
        <source>LID_PC_60100_11</source>
        <translation>Arrêter la mise à jour maintenant ?</translation>
    </message>
    <message>
        <source>LID_PC_60100_18</source>
        <translation>Si vous arrêtez la mise à jour, Cartaline se fermera automatiquement.</translation>
    </message>
    <message>
        <source>LID_PC_60100_12</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_13</source>
        <translation>Échec de la mise à jour du programme</translation>
    </message>
    <message>
        <source>LID_PC_60100_14</source>
        <translation>La mise à jour de Cartaline a échoué.</translation>
    </message>
    <message>
        <source>LID_PC_60100_19</source>
        <translation>Voulez-vous réessayer ?</translation>
    </message>
    <message>
        <source>LID_PC_60100_15</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_16</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>LID_PC_60200_01</source>
        <translation>Cartaline est prêt pour la mise à jour.</translation>
    </message>
    <message>
        <source>LID_PC_60200_16</source>
        <translation>Pour autoriser cette modification, saisissez le mot de passe.</translation>
    </message>
    <message>
        <source>LID_PC_60200_02</source>
        <translation>Nom d'utilisateur</translation>
    </message>
    <message>
        <source>LID_PC_60200_03</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>LID_PC_60200_04</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>LID_PC_60200_05</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60200_06</source>
        <translation>Échec de la mise à jour du programme</translation>
    </message>
    <message>
        <source>LID_PC_60200_07</source>
        <translation>Le réseau n'est pas connecté. 
La mise à jour ne peut pas continuer.</translation>
    </message>
    <message>
        <source>LID_PC_60200_08</source>
        <translation>Vérifiez le réseau (y compris le câble réseau et le routeur), le pare-feu 
et les paramètres de l'antivirus, puis réessayez.</translation>
    </message>
    <message>
        <source>LID_PC_60200_09</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60200_10</source>
        <translation>Échec de la mise à jour du programme</translation>
    </message>
    <message>
        <source>LID_PC_60200_11</source>
        <translation>La mise à jour du programme a échoué.</translation>
    </message>
    <message>
        <source>LID_PC_60200_12</source>
        <translation>Veuillez réessayer plus tard.</translation>
    </message>
    <message>
        <source>LID_PC_60200_15</source>
        <translation>Si le problème persiste, veuillez contacter le service client.</translation>
    </message>
    <message>
        <source>LID_PC_60200_13</source>
        <translation>Accéder au site Web du service client</translation>
    </message>
    <message>
        <source>LID_PC_60200_14</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
