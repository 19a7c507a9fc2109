<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR">
<context>
    <name>DefLanguages</name>
    <message>
        <source>LID_PC_60000_01</source>
        <translation>Ενημέρωση προγράμματος</translation>
    </message>
    <message>
        <source>LID_PC_60000_02</source>
        <translation>Γίνεται λήψη των αρχείων εγκατάστασης.</translation>
    </message>
    <message>
        <source>LID_PC_60000_03</source>
        <translation>Το πρόγραμμα εκτελείται ήδη</translation>
    </message>
    <message>
        <source>LID_PC_60000_04</source>
        <translation>Το Cartaline εκτελείται ήδη.</translation>
    </message>
    <message>
        <source>LID_PC_60000_05</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_01</source>
        <translation>Αποτυχία ενημέρωσης προγράμματος</translation>
    </message>
    <message>
        <source>LID_PC_60100_02</source>
        <translation>Δεν υπάρχει σύνδεση δικτύου. 
Η ενημέρωση δεν μπορεί να συνεχιστεί.</translation>
    </message>
    <message>
        <source>LID_PC_60100_03</source>
        <translation>Ελέγξτε το δίκτυο (μαζί με το καλώδιο δικτύου και τον δρομολογητή), το τείχος προστασίας και τις ρυθμίσεις του προγράμματος προστασίας από ιούς και δοκιμάστε ξανά.</translation>
    </message>
    <message>
        <source>LID_PC_60100_04</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_05</source>
        <translation>Αποτυχία ενημέρωσης προγράμματος</translation>
    </message>
    <message>
        <source>LID_PC_60100_06</source>
        <translation>Δεν είναι δυνατή η εύρεση του αρχείου ενημέρωσης.</translation>
    </message>
    <message>
        <source>LID_PC_60100_07</source>
        <translation>Δοκιμάστε ξανά αργότερα.</translation>
    </message>
    <message>
        <source>LID_PC_60100_17</source>
        <translation>Εάν το πρόβλημα παραμένει, επικοινωνήστε με την εξυπηρέτηση πελατών.</translation>
    </message>
    <message>
        <source>LID_PC_60100_08</source>
        <translation>Μετάβαση στον ιστότοπο εξυπηρέτησης πελατών</translation>
    </message>
    <message>
        <source>LID_PC_60100_09</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_10</source>
        <translation>Διακοπή ενημέρωσης</translation>
    </message>
    <message>
        <source>LID_PC_60100_11</source>
        <translation>Διακοπή της ενημέρωσης τώρα;</translation>
    </message>
    <message>
        <source>LID_PC_60100_18</source>
        <translation>Εάν διακόψετε την ενημέρωση, το Cartaline θα κλείσει αυτόματα.</translation>
    </message>
    <message>
        <source>LID_PC_60100_12</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_13</source>
        <translation>Αποτυχία ενημέρωσης προγράμματος</translation>
    </message>
    <message>
        <source>LID_PC_60100_14</source>
        <translation>Η ενημέρωση του Cartaline απέτυχε.</translation>
    </message>
    <message>
        <source>LID_PC_60100_19</source>
        <translation>Θέλετε να δοκιμάσετε ξανά;</translation>
    </message>
    <message>
        <source>LID_PC_60100_15</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_16</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <source>LID_PC_60200_01</source>
        <translation>Το Cartaline είναι έτοιμο για ενημέρωση.</translation>
    </message>
    <message>
        <source>LID_PC_60200_16</source>
        <translation>Για να επιτρέψετε αυτήν την αλλαγή, πληκτρολογήστε τον κωδικό πρόσβασης.</translation>
    </message>
    <message>
        <source>LID_PC_60200_02</source>
        <translation>Όνομα χρήστη</translation>
    </message>
    <message>
        <source>LID_PC_60200_03</source>
        <translation>Κωδικός πρόσβασης</translation>
    </message>
    <message>
        <source>LID_PC_60200_04</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <source>LID_PC_60200_05</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60200_06</source>
        <translation>Αποτυχία ενημέρωσης προγράμματος</translation>
    </message>
    <message>
        <source>LID_PC_60200_07</source>
        <translation>Δεν υπάρχει σύνδεση δικτύου. 
Η ενημέρωση δεν μπορεί να συνεχιστεί.</translation>
    </message>
    <message>
        <source>LID_PC_60200_08</source>
        <translation>Ελέγξτε το δίκτυο (μαζί με το καλώδιο δικτύου και τον δρομολογητή), το τείχος προστασίας 
και τις ρυθμίσεις του προγράμματος προστασίας από ιούς και δοκιμάστε ξανά.</translation>
    </message>
    <message>
        <source>LID_PC_60200_09</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60200_10</source>
        <translation>Αποτυχία ενημέρωσης προγράμματος</translation>
    </message>
    <message>
        <source>LID_PC_60200_11</source>
        <translation>Η ενημέρωση του προγράμματος απέτυχε.</translation>
    </message>
    <message>
        <source>LID_PC_60200_12</source>
        <translation>Δοκιμάστε ξανά αργότερα.</translation>
    </message>
    <message>
        <source>LID_PC_60200_15</source>
        <translation>Εάν το πρόβλημα παραμένει, επικοινωνήστε με την εξυπηρέτηση πελατών.</translation>
    </message>
    <message>
        <source>LID_PC_60200_13</source>
        <translation>Μετάβαση στον ιστότοπο εξυπηρέτησης πελατών</translation>
    </message>
    <message>
        <source>LID_PC_60200_14</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
